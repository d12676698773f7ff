#pragma once
// Message maps: per-class tables that route a window message, or a control's
// notification (code + control id), to a member handler. Each class's table
// points to its base class's, and lookup goes most-derived first.
//
//   const MessageMap& CMyDlg::GetThisMessageMap() {
//     static const MessageMap map = MessageMapBuilder<CMyDlg>(CDialog::GetThisMessageMap())
//         .Notification(LBN_SELCHANGE, IDC_LIST, &CMyDlg::OnSelchangeList)
//         .Paint(&CMyDlg::OnPaint)
//         .Build();
//     return map;
//   }

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "framework/win_constants.h"
#include "framework/win_types.h"

class CCmdTarget;
class CDC;
class CWnd;

namespace framework_detail {
// The wrapper a WM_SETCURSOR handler is told about: the bound one, or a
// temporary one.
CWnd* WindowOf(HWND hwnd);
}  // namespace framework_detail

struct MessageMapEntry {
  UINT message;  // WM_COMMAND and reflected commands also match code and id
  UINT code;
  int id;
  std::function<LRESULT(CCmdTarget&, WPARAM, LPARAM)> handler;
};

struct MessageMap {
  const MessageMap* base = nullptr;
  std::vector<MessageMapEntry> entries;
};

template <class T>
class MessageMapBuilder {
 public:
  explicit MessageMapBuilder(const MessageMap& base) { map_.base = &base; }

  // A command: a button click or menu choice with this id.
  MessageMapBuilder& Command(int id, void (T::*handler)()) { return Notification(BN_CLICKED, id, handler); }
  // A control's notification to its parent (code and control id).
  MessageMapBuilder& Notification(UINT code, int id, void (T::*handler)()) {
    return Add(WM_COMMAND, code, id, [handler](T& self, WPARAM, LPARAM) -> LRESULT {
      (self.*handler)();
      return 0;
    });
  }
  // A control's own notification, reflected back to the control's wrapper.
  MessageMapBuilder& ReflectedNotification(UINT code, void (T::*handler)()) {
    return Add(WM_REFLECT_BASE + WM_COMMAND, code, 0, [handler](T& self, WPARAM, LPARAM) -> LRESULT {
      (self.*handler)();
      return 0;
    });
  }
  // The colour request of a static, reflected to its wrapper; a null result
  // leaves the request to the parent.
  MessageMapBuilder& ReflectedCtlColor(HBRUSH (T::*handler)(CDC*, UINT)) {
    return Add(WM_REFLECT_BASE + WM_CTLCOLORSTATIC, 0, 0, [handler](T& self, WPARAM wParam, LPARAM) -> LRESULT {
      return reinterpret_cast<LRESULT>((self.*handler)(reinterpret_cast<CDC*>(wParam), CTLCOLOR_STATIC));
    });
  }
  MessageMapBuilder& SysCommand(void (T::*handler)(UINT, LPARAM)) {
    return Add(WM_SYSCOMMAND, 0, 0, [handler](T& self, WPARAM wParam, LPARAM lParam) -> LRESULT {
      (self.*handler)(static_cast<UINT>(wParam), lParam);
      return 0;
    });
  }
  MessageMapBuilder& Paint(void (T::*handler)()) {
    return Add(WM_PAINT, 0, 0, [handler](T& self, WPARAM, LPARAM) -> LRESULT {
      (self.*handler)();
      return 0;
    });
  }
  MessageMapBuilder& QueryDragIcon(HCURSOR (T::*handler)()) {
    return Add(WM_QUERYDRAGICON, 0, 0, [handler](T& self, WPARAM, LPARAM) -> LRESULT {
      return reinterpret_cast<LRESULT>((self.*handler)());
    });
  }
  MessageMapBuilder& SetCursor(BOOL (T::*handler)(CWnd*, UINT, UINT)) {
    return Add(WM_SETCURSOR, 0, 0, [handler](T& self, WPARAM wParam, LPARAM lParam) -> LRESULT {
      return (self.*handler)(framework_detail::WindowOf(reinterpret_cast<HWND>(wParam)),
                             LOWORD(static_cast<std::uintptr_t>(lParam)), HIWORD(static_cast<std::uintptr_t>(lParam)));
    });
  }

  MessageMap Build() { return std::move(map_); }

 private:
  template <class F>
  MessageMapBuilder& Add(UINT message, UINT code, int id, F call) {
    map_.entries.push_back({message, code, id, [call](CCmdTarget& target, WPARAM wParam, LPARAM lParam) {
                              return call(static_cast<T&>(target), wParam, lParam);
                            }});
    return *this;
  }

  MessageMap map_;
};
