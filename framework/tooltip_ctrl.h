#pragma once
// A tooltip: shows a tool's text while the pointer rests inside the tool's
// registered rectangle. It learns where the pointer is from relayed mouse
// messages. A tooltip that could not be created ignores every call, so its
// owner works without it.

#include "framework/wnd.h"

class CToolTipCtrl : public CWnd {
 public:
  // Creates the tooltip window, owned by parent's window.
  BOOL Create(CWnd* parent, DWORD style = 0);
  // Registers tool id of window wnd with its text and rectangle (in wnd's
  // client coordinates).
  BOOL AddTool(CWnd* wnd, const char* text, const RECT* toolRect, UINT_PTR toolId);
  // Changes the text of a registered tool, not its rectangle.
  void UpdateTipText(const char* text, CWnd* wnd, UINT_PTR toolId);
  void RelayEvent(MSG* msg);
};
