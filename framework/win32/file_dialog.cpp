// The save-file dialog on Windows: the common dialog, GetSaveFileNameA,
// in the Explorer style.

#include <string>

#include "framework/internal/window_primitives.h"

namespace {

// The types as the common dialog takes them: description and patterns
// (';' between them), each ended by a NUL, the list by another.
std::string FilterList(const std::vector<framework_detail::FileFilter>& filters) {
  std::string list;
  for (const framework_detail::FileFilter& filter : filters) {
    list += filter.description;
    list += '\0';
    for (std::size_t i = 0; i < filter.patterns.size(); ++i) {
      if (i > 0) list += ';';
      list += filter.patterns[i];
    }
    list += '\0';
  }
  list += '\0';
  return list;
}

}  // namespace

namespace framework_detail {

std::optional<std::string> DoSaveFileDialog(HWND owner, const SaveFileQuestion& question) {
  // The system writes the chosen path here; a longer one fails
  // (FNERR_BUFFERTOOSMALL) rather than coming back cut short. A name offered
  // that does not fit is not offered.
  char path[MAX_PATH] = {};
  if (question.fileName.size() < sizeof path) question.fileName.copy(path, sizeof path - 1);
  const std::string filters = FilterList(question.filters);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = question.filters.empty() ? nullptr : filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrDefExt = question.defaultExt.empty() ? nullptr : question.defaultExt.c_str();
  // The working folder stays where it was: left in the folder last saved
  // to, it would keep the user from removing that folder while the program
  // runs.
  dialog.Flags = question.flags | OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameA(&dialog)) return std::nullopt;
  return std::string(path);
}

}  // namespace framework_detail
