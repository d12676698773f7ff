#include "framework/tooltip_ctrl.h"

#include "framework/qt/tooltip_window.h"

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD) {
  if (m_hWnd || !parent || !parent->m_hWnd) return FALSE;
  // The tooltip belongs to its owner's window and goes when that window goes.
  return Attach(new ToolTipWindow(parent->m_hWnd->widget));
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, const char* text, const RECT* toolRect, UINT_PTR toolId) {
  auto* tip = dynamic_cast<ToolTipWindow*>(m_hWnd);
  if (!tip || !wnd || !wnd->m_hWnd) return FALSE;
  RECT rect{};
  if (toolRect) {
    rect = *toolRect;
  } else {
    wnd->GetClientRect(&rect);
  }
  tip->AddTool({wnd->m_hWnd, toolId, rect, text ? text : ""});
  return TRUE;
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* wnd, UINT_PTR toolId) {
  auto* tip = dynamic_cast<ToolTipWindow*>(m_hWnd);
  if (tip && wnd) tip->UpdateText(wnd->m_hWnd, toolId, text ? text : "");
}

void CToolTipCtrl::RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }

BOOL CToolTipCtrl::GetToolInfo(CWnd* wnd, UINT_PTR toolId, CString& text, RECT* toolRect) const {
  auto* tip = dynamic_cast<ToolTipWindow*>(m_hWnd);
  const ToolTipWindow::Tool* tool = tip && wnd ? tip->FindTool(wnd->m_hWnd, toolId) : nullptr;
  if (!tool) return FALSE;
  text = CString(tool->text);
  if (toolRect) *toolRect = tool->rect;
  return TRUE;
}

int CToolTipCtrl::GetToolCount() const {
  auto* tip = dynamic_cast<ToolTipWindow*>(m_hWnd);
  return tip ? tip->ToolCount() : 0;
}
