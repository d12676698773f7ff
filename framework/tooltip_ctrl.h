#pragma once
// A tooltip: shows a tool's text while the pointer rests inside the tool's
// registered rectangle. It learns where the pointer is from relayed mouse
// messages.

#include "framework/wnd.h"

class CToolTipCtrl : public CWnd {
 public:
  // Creates the tooltip window, owned by parent.
  BOOL Create(CWnd* parent, DWORD style = 0);
  // Registers tool id of window wnd with its text and rectangle (in wnd's
  // client coordinates).
  BOOL AddTool(CWnd* wnd, const char* text, const RECT* toolRect, UINT_PTR toolId);
  void UpdateTipText(const char* text, CWnd* wnd, UINT_PTR toolId);
  void RelayEvent(MSG* msg);
  // The text and rectangle of a registered tool; false when there is none.
  BOOL GetToolInfo(CWnd* wnd, UINT_PTR toolId, CString& text, RECT* toolRect) const;
  int GetToolCount() const;
};
