// What every backend shares of CWnd: the message routing through message
// maps (with reflection of a control's own notifications to its wrapper),
// default processing, pre-translation and the unbound-wrapper check.

#include "framework/wnd.h"

#include <vector>

#include "framework/internal/framework_access.h"

namespace {

using framework_detail::BoundWrapper;

struct CurrentMessage {
  HWND hwnd;
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

bool RouteToMap(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// Offers a control's own notification (a click, a colour request) to the
// control's wrapper, as a reflected message.
bool Reflect(CWnd& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  LRESULT reflected = 0;
  if (!RouteToMap(control, WM_REFLECT_BASE + message, wParam, lParam, &reflected)) return false;
  if (result) *result = reflected;
  return true;
}

bool RouteCommand(CWnd& wnd, WPARAM wParam, LPARAM lParam) {
  if (CWnd* control = BoundWrapper(reinterpret_cast<HWND>(lParam));
      control && control != &wnd && Reflect(*control, WM_COMMAND, wParam, lParam, nullptr)) {
    return true;
  }
  return FrameworkAccess::OnCmdMsg(wnd, CommandId(wParam), HIWORD(wParam)) != FALSE;
}

bool RouteToMap(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) {
    if (!RouteCommand(wnd, wParam, lParam)) return false;
    *result = 1;
    return true;
  }
  if (message == WM_CTLCOLORSTATIC) {
    CWnd* control = BoundWrapper(reinterpret_cast<HWND>(lParam));
    if (control && Reflect(*control, message, wParam, lParam, result)) return true;
  }
  const MessageMap& map = wnd.GetMessageMap();
  const MessageMapEntry* entry = message == WM_REFLECT_BASE + WM_COMMAND
                                     ? framework_detail::FindCommand(map, message, HIWORD(wParam), 0)
                                     : framework_detail::FindMessage(map, message);
  if (!entry) return false;
  *result = entry->handler(wnd, wParam, lParam);
  // A colour handler that gives no brush leaves the request to the parent.
  return message != WM_REFLECT_BASE + WM_CTLCOLORSTATIC || *result != 0;
}

}  // namespace

namespace framework_detail {

LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageStack().push_back({hwnd, message, wParam, lParam});
  LRESULT result = 0;
  CWnd* wrapper = BoundWrapper(hwnd);
  if (!wrapper || !RouteToMap(*wrapper, message, wParam, lParam, &result)) {
    result = DefaultProcessing(hwnd, message, wParam, lParam);
  }
  MessageStack().pop_back();
  return result;
}

BOOL WalkPreTranslateTree(HWND stop, MSG* msg) {
  for (HWND hwnd = msg->hwnd; hwnd; hwnd = ParentOf(hwnd)) {
    CWnd* wnd = BoundWrapper(hwnd);
    if (wnd && wnd->PreTranslateMessage(msg)) return TRUE;
    if (hwnd == stop) break;
  }
  return FALSE;
}

}  // namespace framework_detail

const MessageMap& CWnd::GetThisMessageMap() {
  static const MessageMap map{&CCmdTarget::GetThisMessageMap(), {}};
  return map;
}

CWnd::~CWnd() {
  // A wrapper that goes before its window leaves the window to itself.
  if (m_hWnd && framework_detail::BoundWrapper(m_hWnd) == this) framework_detail::Unbind(m_hWnd);
  m_hWnd = nullptr;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

HWND CWnd::Bound(const char* operation) const {
  if (!m_hWnd) {
    framework_detail::ProgrammingError(std::string("CWnd::") + operation +
                                       " on a wrapper that is not bound to a window");
  }
  return m_hWnd;
}

LRESULT CWnd::Default() {
  if (MessageStack().empty()) return 0;
  const CurrentMessage current = MessageStack().back();
  return framework_detail::DefaultProcessing(Bound("Default"), current.message, current.wParam, current.lParam);
}
