// The operations of the list box wrapper: the list box's own messages.

#include "framework/internal/framework_access.h"
#include "framework/list_box.h"

void CListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }

int CListBox::InsertString(int index, const char* text) {
  return static_cast<int>(
      SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text ? text : "")));
}

int CListBox::GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }

int CListBox::SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }
