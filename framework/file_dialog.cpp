// CFileDialog, written once: the classic filter string read into its file
// types, the owner chosen; each backend shows its system's save dialog.

#include "framework/file_dialog.h"

#include <string_view>

#include "framework/internal/framework_access.h"
#include "framework/internal/window_primitives.h"

namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// "Description|patterns|Description|patterns||": pairs, up to the empty
// field that ends the list.
std::vector<framework_detail::FileFilter> FileFilters(std::string_view filter) {
  std::vector<framework_detail::FileFilter> filters;
  const std::vector<std::string> fields = Split(filter, '|');
  for (std::size_t i = 0; i + 1 < fields.size() && !fields[i].empty(); i += 2) {
    filters.push_back({fields[i], Split(fields[i + 1], ';')});
  }
  return filters;
}

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExt, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent)
    : defaultExt_(defaultExt), fileName_(fileName), flags_(flags), filter_(filter), parent_(parent) {
  if (openFileDialog) framework_detail::ProgrammingError("CFileDialog: the framework's file dialog only saves");
}

INT_PTR CFileDialog::DoModal() {
  // As a dialog's: a parent without its window leaves the choice to the
  // framework.
  HWND owner = parent_ && FrameworkAccess::Handle(*parent_) ? FrameworkAccess::Handle(*parent_)
                                                            : framework_detail::DefaultModalOwner();
  const std::optional<std::string> path = framework_detail::DoSaveFileDialog(
      owner, {defaultExt_.str(), fileName_.str(), flags_, FileFilters(filter_.str())});
  if (!path) return IDCANCEL;
  pathName_ = *path;
  return IDOK;
}
