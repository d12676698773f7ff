// The operations of the list box wrapper: the list box's own messages, each
// named after the operation the program called when the wrapper has no window.

#include "framework/internal/framework_access.h"
#include "framework/list_box.h"

namespace {

LRESULT SendToList(const CListBox& list, const char* operation, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageA(FrameworkAccess::Bound(list, operation), message, wParam, lParam);
}

}  // namespace

void CListBox::ResetContent() { SendToList(*this, "ResetContent", LB_RESETCONTENT); }

int CListBox::InsertString(int index, const char* text) {
  return static_cast<int>(SendToList(*this, "InsertString", LB_INSERTSTRING, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(text ? text : "")));
}

int CListBox::GetCurSel() const { return static_cast<int>(SendToList(*this, "GetCurSel", LB_GETCURSEL)); }

int CListBox::SetCurSel(int index) {
  return static_cast<int>(SendToList(*this, "SetCurSel", LB_SETCURSEL, static_cast<WPARAM>(index)));
}
