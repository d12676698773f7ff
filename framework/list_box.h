#pragma once

#include "framework/wnd.h"

// A single-selection list box. Only the user's selections notify the parent
// (LBN_SELCHANGE); what the program does to the list notifies nothing.
class CListBox : public CWnd {
 public:
  void ResetContent();
  // Inserts at index (-1 appends), whatever the sort style. Returns the
  // index, or LB_ERR for an index beyond the end.
  int InsertString(int index, const char* text);
  // The selected index, or LB_ERR (-1) when nothing is selected.
  int GetCurSel() const;
  // Selects the entry at index (-1 clears); notifies nothing. Returns the
  // index, or LB_ERR when there is no such entry.
  int SetCurSel(int index);
};
