// The operations of the list box wrapper, written once: the framework's rules
// for indexes and selection, over the backend's rows.

#include "framework/list_box.h"

#include <string>

#include "framework/internal/framework_access.h"
#include "framework/internal/window_primitives.h"

using namespace framework_detail;

namespace {

// The wrapper's list box; a programming error when the wrapper is not bound
// to one.
HWND ListOf(const CListBox& wrapper, const char* operation) {
  HWND hwnd = FrameworkAccess::Bound(wrapper, operation);
  if (!DoIsListBox(hwnd)) {
    ProgrammingError(std::string("CListBox::") + operation + " on a wrapper that is not bound to a list box");
  }
  return hwnd;
}

}  // namespace

void CListBox::ResetContent() { DoListClear(ListOf(*this, "ResetContent")); }

int CListBox::InsertString(int index, const char* text) {
  HWND list = ListOf(*this, "InsertString");
  const int count = DoListCount(list);
  if (index > count) return LB_ERR;
  const int row = index < 0 ? count : index;
  DoListInsert(list, row, text ? text : "");
  return row;
}

int CListBox::GetCurSel() const { return DoListSelection(ListOf(*this, "GetCurSel")); }

int CListBox::SetCurSel(int index) {
  HWND list = ListOf(*this, "SetCurSel");
  if (index < 0 || index >= DoListCount(list)) {
    DoListSelect(list, -1);
    return LB_ERR;
  }
  DoListSelect(list, index);
  return index;
}
