// Message routing of CWnd: dispatch through message maps, reflection of a
// control's own notifications, default processing and pre-translation.

#include "framework/wnd.h"

#include <vector>

#include "framework/qt/window.h"
#include "framework/win_constants.h"

namespace {

struct CurrentMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The messages being dispatched, innermost last, for Default().
std::vector<CurrentMessage>& MessageStack() {
  static std::vector<CurrentMessage> stack;
  return stack;
}

int CommandId(WPARAM wParam) {
  const WORD id = LOWORD(wParam);
  return id == 0xFFFF ? IDC_STATIC : id;
}

}  // namespace

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!hwnd) return 0;
  MessageStack().push_back({message, wParam, lParam});
  const LRESULT result = hwnd->wrapper ? hwnd->wrapper->WindowProc(message, wParam, lParam)
                                       : hwnd->DefaultProc(message, wParam, lParam);
  MessageStack().pop_back();
  return result;
}

CWnd* WndFromHandle(HWND hwnd) { return CWnd::FromHandle(hwnd); }

const MessageMap& CWnd::GetThisMessageMap() {
  static const MessageMap map{&CCmdTarget::GetThisMessageMap(), {}};
  return map;
}

CWnd::~CWnd() { Detach(); }

CWnd* CWnd::FromHandlePermanent(HWND hwnd) { return hwnd ? hwnd->wrapper : nullptr; }

CWnd* CWnd::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  if (hwnd->wrapper) return hwnd->wrapper;
  if (!hwnd->temporary) {
    hwnd->temporary = std::make_unique<CWnd>();
    hwnd->temporary->m_hWnd = hwnd;
  }
  return hwnd->temporary.get();
}

BOOL CWnd::Attach(HWND hwnd) {
  if (!hwnd || m_hWnd || hwnd->wrapper) return FALSE;
  m_hWnd = hwnd;
  hwnd->wrapper = this;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hwnd = m_hWnd;
  if (hwnd) {
    if (hwnd->wrapper == this) hwnd->wrapper = nullptr;
    if (hwnd->temporary.get() == this) (void)hwnd->temporary.release();
  }
  m_hWnd = nullptr;
  return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (!Attach(hwnd)) return FALSE;
  PreSubclassWindow();
  return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg) {
  for (HWND hwnd = msg->hwnd; hwnd; hwnd = hwnd->Parent()) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (wnd && wnd->PreTranslateMessage(msg)) return TRUE;
    if (hwnd == stop) break;
  }
  return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return m_hWnd ? m_hWnd->DefaultProc(message, wParam, lParam) : 0;
}

LRESULT CWnd::Default() {
  if (MessageStack().empty()) return 0;
  const CurrentMessage current = MessageStack().back();
  return DefWindowProc(current.message, current.wParam, current.lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *result = 1;
    return TRUE;
  }
  if (message == WM_CTLCOLORSTATIC) {
    CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
    if (child && child->OnChildNotify(message, wParam, lParam, result)) return TRUE;
  }
  if (message == WM_REFLECT_BASE + WM_COMMAND) {
    const MessageMapEntry* entry = GetMessageMap().FindCommand(message, HIWORD(wParam), 0);
    if (!entry) return FALSE;
    *result = entry->handler(*this, wParam, lParam);
    return TRUE;
  }
  const MessageMapEntry* entry = GetMessageMap().FindMessage(message);
  if (!entry) return FALSE;
  *result = entry->handler(*this, wParam, lParam);
  // A colour handler that gives no brush leaves the request to the parent.
  return message != WM_REFLECT_BASE + WM_CTLCOLORSTATIC || *result != 0;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HWND control = reinterpret_cast<HWND>(lParam)) {
    CWnd* child = FromHandlePermanent(control);
    if (child && child != this && child->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) {
      return TRUE;
    }
  }
  return OnCmdMsg(CommandId(wParam), HIWORD(wParam));
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != WM_COMMAND && message != WM_CTLCOLORSTATIC) return FALSE;
  LRESULT reflected = 0;
  if (!OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, &reflected)) return FALSE;
  if (result) *result = reflected;
  return TRUE;
}
