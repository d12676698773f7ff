// The mimeapps.list and mimeinfo.cache readers and the choice of the default
// application.
//
// An input is one or more files separated by form feeds: every piece is read
// as a mimeapps.list, the last one also as a mimeinfo.cache. Which desktop
// entries count as installed follows from a hash of their ids, so that every
// step of the choice is reached.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/harness_support.h"
#include "platform/freedesktop/mime_apps.h"

namespace {

using fuzz::Check;
using platform::MimeAssociations;

constexpr std::array<std::string_view, 2> kMimeTypes = {"text/html", "x-scheme-handler/http"};

bool IsInstalled(const std::string& id) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (const char c : id) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return (hash & 3u) != 0;
}

bool Contains(const std::vector<std::string>& ids, const std::string& id) {
  return std::ranges::find(ids, id) != ids.end();
}

// What any list read from text must look like.
void CheckIdList(const std::vector<std::string>& ids, std::string_view text) {
  Check(ids.size() <= platform::kMaxIdsPerList, "a list holds at most kMaxIdsPerList ids");
  for (const std::string& id : ids) {
    Check(!id.empty(), "no empty id");
    Check(id.find_first_of(";\n") == std::string::npos, "an id holds no separator and no line end");
    Check(id.front() != ' ' && id.front() != '\t' && id.back() != ' ' && id.back() != '\t',
          "an id has no blanks around it");
    Check(text.find(id) != std::string_view::npos, "an id is text of the file");
  }
}

bool SameAssociations(const MimeAssociations& a, const MimeAssociations& b) {
  return a.defaults == b.defaults && a.added == b.added && a.removed == b.removed;
}

std::string WithCrLf(std::string_view text) {
  std::string converted;
  for (const char c : text) {
    if (c == '\n') converted += '\r';
    converted += c;
  }
  return converted;
}

MimeAssociations CheckedAssociations(std::string_view text, std::string_view mimeType) {
  const MimeAssociations associations = platform::ReadMimeAssociations(text, mimeType, false);
  CheckIdList(associations.defaults, text);
  CheckIdList(associations.added, text);
  CheckIdList(associations.removed, text);

  const MimeAssociations desktopSpecific = platform::ReadMimeAssociations(text, mimeType, true);
  Check(desktopSpecific.defaults == associations.defaults && desktopSpecific.added.empty() &&
            desktopSpecific.removed.empty(),
        "a desktop-specific file gives its defaults only");

  if (text.find('\r') == std::string_view::npos) {
    Check(SameAssociations(platform::ReadMimeAssociations(WithCrLf(text), mimeType, false), associations),
          "\\r\\n line ends read as \\n");
  }
  return associations;
}

std::vector<std::string> CheckedCache(std::string_view text, std::string_view mimeType) {
  std::vector<std::string> ids = platform::ReadMimeCache(text, mimeType);
  CheckIdList(ids, text);
  return ids;
}

// The defaults of every file come first, in file order.
std::optional<std::string> FirstInstalledDefault(const std::vector<MimeAssociations>& files) {
  for (const MimeAssociations& file : files) {
    for (const std::string& id : file.defaults) {
      if (IsInstalled(id)) return id;
    }
  }
  return std::nullopt;
}

// Whether id was offered by an added association or a cache at a point where
// no file up to that point had removed it.
bool OfferedAndNotRemoved(const std::string& id, const std::vector<MimeAssociations>& files,
                          const std::vector<std::vector<std::string>>& caches) {
  std::vector<std::string> removed;
  for (const MimeAssociations& file : files) {
    removed.insert(removed.end(), file.removed.begin(), file.removed.end());
    if (Contains(file.added, id) && !Contains(removed, id)) return true;
  }
  return std::ranges::any_of(caches, [&](const auto& cache) { return Contains(cache, id); }) &&
         !Contains(removed, id);
}

void CheckChoice(const std::vector<MimeAssociations>& files,
                 const std::vector<std::vector<std::string>>& caches) {
  const std::optional<std::string> chosen =
      platform::ChooseDefaultApplication(files, caches, IsInstalled);
  const std::optional<std::string> firstDefault = FirstInstalledDefault(files);
  if (firstDefault) {
    Check(chosen == firstDefault, "the first installed default wins");
    return;
  }
  if (!chosen) return;
  Check(IsInstalled(*chosen), "the choice is installed");
  Check(OfferedAndNotRemoved(*chosen, files, caches),
        "without a default, the choice is an added or cached id nobody before removed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> texts = fuzz::Pieces(fuzz::AsText(data, size), '\f');
  for (const std::string_view mimeType : kMimeTypes) {
    std::vector<MimeAssociations> files;
    for (const std::string_view text : texts) files.push_back(CheckedAssociations(text, mimeType));
    const std::vector<std::vector<std::string>> caches = {CheckedCache(texts.back(), mimeType)};
    CheckChoice(files, caches);
  }
  return 0;
}
