#pragma once

#include "framework/wnd.h"

class CListBox : public CWnd {
 public:
  void ResetContent();
  // Inserts at index (-1 appends); never sorts. Returns the index.
  int InsertString(int index, const char* text);
  // Appends, or inserts in order when the list has the sort style.
  int AddString(const char* text);
  int GetCount() const;
  // The selected index, or LB_ERR (-1) when nothing is selected.
  int GetCurSel() const;
  // Selects index (-1 clears); sends no notification.
  int SetCurSel(int index);
  void GetText(int index, CString& text) const;
};
