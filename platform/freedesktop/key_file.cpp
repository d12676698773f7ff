#include "platform/freedesktop/key_file.h"

#include "platform/freedesktop/text_parts.h"

namespace platform {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<std::string_view> KeyFileValue(std::string_view text, std::string_view group,
                                             std::string_view key) {
  bool inGroup = false;
  while (!text.empty()) {
    std::string_view line = TakePart(text, '\n');
    if (line.ends_with('\r')) line.remove_suffix(1);
    line = Trim(line);
    if (line.empty() || line.starts_with('#')) continue;
    if (line.starts_with('[') && line.ends_with(']')) {
      inGroup = line.substr(1, line.size() - 2) == group;
      continue;
    }
    if (!inGroup) continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trim(line.substr(0, equals)) != key) continue;
    return Trim(line.substr(equals + 1));
  }
  return std::nullopt;
}

std::string DecodeKeyFileString(std::string_view raw) {
  std::string decoded;
  decoded.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\' || i + 1 == raw.size()) {
      decoded += raw[i];
      continue;
    }
    switch (raw[i + 1]) {
      case 's':
        decoded += ' ';
        break;
      case 'n':
        decoded += '\n';
        break;
      case 't':
        decoded += '\t';
        break;
      case 'r':
        decoded += '\r';
        break;
      case '\\':
        decoded += '\\';
        break;
      default:
        decoded += '\\';
        continue;  // the next character is read on its own
    }
    ++i;
  }
  return decoded;
}

std::vector<std::string> SplitKeyFileList(std::string_view raw) {
  std::vector<std::string> items;
  while (!raw.empty()) {
    const std::string_view item = Trim(TakePart(raw, ';'));
    if (!item.empty()) items.emplace_back(item);
  }
  return items;
}

}  // namespace platform
