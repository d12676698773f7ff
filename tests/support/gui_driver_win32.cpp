// The test-driving library on the real windows of the Win32 backend. Input
// goes through SendInput, so it reaches the control the way a user's does:
// through the system's input queue, the dialog manager and the framework's
// pre-translation hook. A test's steps run on the program's thread, inside
// the modal loop in front; while a step waits for its input to take effect,
// it runs the thread's messages as that loop would.

#include <gtest/gtest.h>
#include <oleacc.h>
// After the system headers it needs.
#include <dlgs.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/internal/framework_access.h"
#include "tests/support/gui_driver.h"

namespace gui_test {
namespace {

constexpr UINT kPollMs = 10;
constexpr DWORD kAppearTimeoutMs = 5000;
constexpr DWORD kSettleMs = 40;
constexpr DWORD kInputTimeoutMs = 2000;
constexpr UINT kActivity = QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE;

// --- Running the thread's messages ---

bool IsClass(HWND hwnd, const char* className) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return lstrcmpiA(name, className) == 0;
}

// One round of the modal loop: keys and mouse go through the dialog manager
// of the dialog they are for (which also calls the pre-translation hook).
// Whether anything but a timer came: the driver's own pollers tick all the
// time and say nothing about the input.
bool RunPendingMessages() {
  bool any = false;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message != WM_TIMER) any = true;
    if (msg.message == WM_QUIT) continue;
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && IsClass(root, "#32770") && IsDialogMessageA(root, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return any;
}

// Runs messages until none has come for a while: the input sent before has
// been handled, with all that it set off.
void Settle() {
  const DWORD start = GetTickCount();
  DWORD quietSince = start;
  while (GetTickCount() - start < kInputTimeoutMs) {
    if (RunPendingMessages() || GetQueueStatus(kActivity) != 0) {
      quietSince = GetTickCount();
    } else if (GetTickCount() - quietSince >= kSettleMs) {
      return;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

// --- Polling from inside whatever modal loop runs ---

// Thread timers reach their procedure from any loop that dispatches
// messages: the dialog manager's, a message box's or a menu's.
std::map<UINT_PTR, std::function<void()>>& Timers() {
  static std::map<UINT_PTR, std::function<void()>> timers;
  return timers;
}

void CALLBACK TimerTick(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = Timers().find(id);
  if (found == Timers().end()) return;
  const std::function<void()> tick = found->second;  // the tick may add or stop timers
  tick();
}

UINT_PTR StartTimer(std::function<void()> tick) {
  const UINT_PTR id = SetTimer(nullptr, 0, kPollMs, &TimerTick);
  Timers()[id] = std::move(tick);
  return id;
}

void StopTimer(UINT_PTR id) {
  KillTimer(nullptr, id);
  Timers().erase(id);
}

// The watchers of WhenFound still waiting, with what each waits for.
std::map<UINT_PTR, std::string>& Waiting() {
  static std::map<UINT_PTR, std::string> waiting;
  return waiting;
}

void StopWaiting(UINT_PTR id) {
  StopTimer(id);
  Waiting().erase(id);
}

// Calls act once find finds a window, from inside the loop then running;
// fails the test when nothing is found in time.
void WhenFound(std::function<HWND()> find, std::function<void(HWND)> act, std::string what) {
  auto id = std::make_shared<UINT_PTR>(0);
  const DWORD start = GetTickCount();
  *id = StartTimer([id, start, find = std::move(find), act = std::move(act), what] {
    if (HWND found = find()) {
      StopWaiting(*id);
      act(found);
    } else if (GetTickCount() - start > kAppearTimeoutMs) {
      StopWaiting(*id);
      ADD_FAILURE() << "no " << what << " appeared";
    }
  });
  Waiting()[*id] = std::move(what);
}

std::vector<HWND> ThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

CDialog* FrameworkDialog(HWND hwnd) {
  return hwnd ? dynamic_cast<CDialog*>(framework_detail::BoundWrapper(hwnd)) : nullptr;
}

// A modal step that leaves its dialog open fails, and the dialog is closed
// so that the test goes on. What the step set off runs first: the system
// posts some of its answers (the close command's IDCANCEL among them).
void CloseIfLeftOpen(HWND hwnd) {
  Settle();
  if (!IsWindowVisible(hwnd) || !FrameworkDialog(hwnd)) return;
  ADD_FAILURE() << "the step left dialog \"" << Caption(*FrameworkDialog(hwnd)) << "\" open";
  EndDialog(hwnd, IDCANCEL);
}

HWND HandleOf(const CWnd& wnd) { return FrameworkAccess::Handle(wnd); }

HWND ControlWindow(const CWnd& dialog, int id) {
  HWND hwnd = HandleOf(dialog);
  if (!hwnd) {
    ADD_FAILURE() << "the dialog is not open";
    return nullptr;
  }
  if (id == 0) return hwnd;
  HWND control = GetDlgItem(hwnd, id);
  if (!control) ADD_FAILURE() << "the dialog has no control " << id;
  return control;
}

std::string TextOf(HWND hwnd) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

// --- Input ---

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
      input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
      break;
    default:
      break;
  }
  return input;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SendKeys(const std::vector<WORD>& keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(KeyInput(key, false));
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) inputs.push_back(KeyInput(*key, true));
  Send(std::move(inputs));
}

WORD VirtualKey(Key key) {
  switch (key) {
    case Key::Tab:
      return VK_TAB;
    case Key::Return:
      return VK_RETURN;
    case Key::Escape:
      return VK_ESCAPE;
    case Key::Space:
      return VK_SPACE;
    case Key::Up:
      return VK_UP;
    case Key::Down:
      return VK_DOWN;
    case Key::Home:
      return VK_HOME;
    case Key::End:
      return VK_END;
    case Key::PageUp:
      return VK_PRIOR;
    case Key::PageDown:
      return VK_NEXT;
    case Key::C:
      return 'C';
  }
  return 0;
}

bool PointerAt(POINT screen) {
  POINT now{};
  return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
}

// Wine moves the X pointer only while it can grab it, which another client
// may briefly hold: the move is made again until the pointer is there, as
// the system's cursor position (which tooltips read) must be.
void MovePointer(POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  const DWORD start = GetTickCount();
  do {
    SetCursorPos(screen.x, screen.y);
    Send({input});
    if (PointerAt(screen)) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
  } while (GetTickCount() - start < kInputTimeoutMs);
  ADD_FAILURE() << "the pointer did not move to " << screen.x << "," << screen.y;
}

void PressButton(Button button, bool up) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  if (button == Button::Left) {
    input.mi.dwFlags = up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
  } else {
    input.mi.dwFlags = up ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN;
  }
  Send({input});
}

POINT ScreenPoint(HWND control, POINT at) {
  ClientToScreen(control, &at);
  return at;
}

POINT Centre(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  return {(client.right - client.left) / 2, (client.bottom - client.top) / 2};
}

// Runs the thread's messages for ms milliseconds.
void RunMessagesFor(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    RunPendingMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
  }
}

// A user's separate clicks on one spot are seconds apart, never a double
// click: a click that would follow the last one within the double-click
// time waits for it to pass.
void ClickScreen(POINT screen, Button button, int times) {
  static DWORD lastClick = GetTickCount() - GetDoubleClickTime();
  static POINT lastAt{-1, -1};
  const DWORD since = GetTickCount() - lastClick;
  if (since <= GetDoubleClickTime() && std::abs(screen.x - lastAt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
      std::abs(screen.y - lastAt.y) <= GetSystemMetrics(SM_CYDOUBLECLK)) {
    RunMessagesFor(GetDoubleClickTime() + 1 - since);
  }
  MovePointer(screen);
  Settle();
  for (int i = 0; i < times; ++i) {
    PressButton(button, false);
    PressButton(button, true);
  }
  lastClick = GetTickCount();
  lastAt = screen;
  Settle();
}

// --- What the user sees ---

MessageIcon IconOfMessageBox(HWND box) {
  HWND iconStatic = GetDlgItem(box, 20);  // where Windows keeps it
  if (!iconStatic) iconStatic = GetDlgItem(box, 0x0440);  // where Wine does
  if (!iconStatic || !IsWindowVisible(iconStatic)) return MessageIcon::None;
  const auto icon = reinterpret_cast<HICON>(SendMessageA(iconStatic, STM_GETICON, 0, 0));
  const struct {
    LPCSTR id;
    MessageIcon kind;
  } kinds[] = {{IDI_EXCLAMATION, MessageIcon::Exclamation},
               {IDI_ASTERISK, MessageIcon::Information},
               {IDI_HAND, MessageIcon::Error},
               {IDI_QUESTION, MessageIcon::Question}};
  for (const auto& kind : kinds) {
    if (icon && icon == LoadIconA(nullptr, kind.id)) return kind.kind;
  }
  return MessageIcon::None;
}

// The file-name field of the system's save dialog: cmb13 in the Explorer
// style (a ComboBoxEx32 under Wine 8), edt1 in the old one; null for any
// other window.
HWND FileNameField(HWND hwnd) {
  if (!IsClass(hwnd, "#32770") || FrameworkDialog(hwnd)) return nullptr;
  if (HWND combo = GetDlgItem(hwnd, cmb13)) return combo;
  return GetDlgItem(hwnd, edt1);
}

std::string WithoutMnemonic(std::string text) {
  std::erase(text, '&');
  return text;
}

std::string MenuItemText(HMENU menu, int index) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STRING;
  char text[256] = {};
  info.dwTypeData = text;
  info.cch = sizeof text;
  GetMenuItemInfoA(menu, static_cast<UINT>(index), TRUE, &info);
  return (info.fType & MFT_SEPARATOR) ? "-" : text;
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

char Mnemonic(const std::string& text) {
  const auto at = text.find('&');
  return at != std::string::npos && at + 1 < text.size() ? Lower(text[at + 1]) : '\0';
}

std::string FromWide(const wchar_t* text) {
  if (!text) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), length, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

}  // namespace

// --- Modal windows ---

INT_PTR RunModal(CDialog& dialog, const std::function<void()>& step) {
  const std::map<UINT_PTR, std::string> before = Waiting();
  WhenFound(
      [&dialog]() -> HWND {
        HWND hwnd = HandleOf(dialog);
        return hwnd && IsWindowVisible(hwnd) && GetActiveWindow() == hwnd ? hwnd : nullptr;
      },
      [step](HWND hwnd) {
        step();
        CloseIfLeftOpen(hwnd);
      },
      "active dialog");
  const INT_PTR result = dialog.DoModal();
  // What the dialog's steps waited for and never saw fails here, not in a
  // later test.
  for (const auto& [id, what] : std::map<UINT_PTR, std::string>(Waiting())) {
    if (before.contains(id)) continue;
    StopWaiting(id);
    ADD_FAILURE() << "no " << what << " appeared";
  }
  return result;
}

void OnNextDialog(const std::function<void(CWnd& dialog)>& step) {
  std::set<HWND> before;
  for (HWND hwnd : ThreadWindows()) {
    if (FrameworkDialog(hwnd)) before.insert(hwnd);
  }
  WhenFound(
      [before]() -> HWND {
        HWND active = GetActiveWindow();
        return FrameworkDialog(active) && IsWindowVisible(active) && !before.contains(active) ? active : nullptr;
      },
      [step](HWND hwnd) {
        step(*FrameworkDialog(hwnd));
        CloseIfLeftOpen(hwnd);
      },
      "dialog");
}

// An ended dialog is hidden at once; its window goes when its loop returns.
bool IsOpen(const CWnd& dialog) { return HandleOf(dialog) && IsWindowVisible(HandleOf(dialog)); }

std::string Caption(const CWnd& dialog) { return IsOpen(dialog) ? TextOf(HandleOf(dialog)) : std::string(); }

// Without a window manager there is no frame to click: the close box is
// the system command it sends.
void PressCloseBox(const CWnd& dialog) {
  if (HWND hwnd = ControlWindow(dialog, 0)) {
    PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    Settle();
  }
}

void RunSoon(std::function<void()> task) {
  auto id = std::make_shared<UINT_PTR>(0);
  *id = StartTimer([id, task = std::move(task)] {
    StopTimer(*id);
    task();
  });
}

// --- Message boxes ---

struct MessageBoxAnswerer::Poller {
  UINT_PTR timer = 0;
  std::set<HWND> answered;
};

MessageBoxAnswerer::MessageBoxAnswerer() : poller_(new Poller) {
  poller_->timer = StartTimer([this] {
    for (HWND hwnd : ThreadWindows()) {
      if (!IsClass(hwnd, "#32770") || FrameworkDialog(hwnd) || FileNameField(hwnd) || !IsWindowVisible(hwnd)) continue;
      if (!poller_->answered.insert(hwnd).second) continue;
      HWND text = GetDlgItem(hwnd, 0xFFFF);
      seen_.push_back({TextOf(hwnd), text ? TextOf(text) : std::string(), IconOfMessageBox(hwnd)});
      if (HWND ok = GetDlgItem(hwnd, IDOK)) PostMessageA(ok, BM_CLICK, 0, 0);
    }
  });
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  StopTimer(poller_->timer);
  delete poller_;
}

// --- Save-file dialogs ---

void OnNextSaveDialog(SaveDialogSeen* seen, const std::string& path) {
  WhenFound(
      []() -> HWND {
        for (HWND hwnd : ThreadWindows()) {
          if (IsWindowVisible(hwnd) && FileNameField(hwnd)) return hwnd;
        }
        return nullptr;
      },
      [seen, path](HWND dialog) {
        HWND field = FileNameField(dialog);
        HWND accept = GetDlgItem(dialog, IDOK);
        if (seen) *seen = {TextOf(field), accept ? WithoutMnemonic(TextOf(accept)) : std::string(), true};
        // The path set as the field holds it, then the button pressed.
        if (!path.empty()) SetWindowTextA(field, path.c_str());
        PostMessageA(GetDlgItem(dialog, path.empty() ? IDCANCEL : IDOK), BM_CLICK, 0, 0);
      },
      "save dialog");
}

// --- The clipboard ---

std::string ClipboardText() {
  // Another program (under Wine, its clipboard manager) may hold the
  // clipboard for a moment.
  if (!WaitFor([] { return OpenClipboard(nullptr) != FALSE; })) {
    ADD_FAILURE() << "the clipboard stays closed";
    return {};
  }
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const auto* wide = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
  const std::string pasted = FromWide(wide);
  if (wide) GlobalUnlock(data);
  CloseClipboard();
  std::string text;
  for (std::size_t i = 0; i < pasted.size(); ++i) {
    if (pasted[i] == '\r' && i + 1 < pasted.size() && pasted[i + 1] == '\n') continue;
    if (pasted[i] == '\n' && (i == 0 || pasted[i - 1] != '\r')) {
      ADD_FAILURE() << "a line of the clipboard's text ends with a bare line feed";
    }
    text += pasted[i];
  }
  return text;
}

// --- Menus ---

void OnNextMenu(std::vector<std::string>* items, char choose) {
  WhenFound(
      []() -> HWND {
        for (HWND hwnd : ThreadWindows()) {
          if (IsClass(hwnd, "#32768") && IsWindowVisible(hwnd)) return hwnd;
        }
        return nullptr;
      },
      [items, choose](HWND menuWindow) {
        const auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
        std::vector<std::string> texts;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) texts.push_back(MenuItemText(menu, i));
        if (items) *items = texts;
        // Escape would only step back from a menu opened from the keyboard.
        if (choose == 0) {
          EndMenu();
          return;
        }
        // The item is clicked, as a user would: Wine executes the first item
        // with a mnemonic at once, and adds an "&About Wine" item of its own
        // before the program's, so the last item with the mnemonic is chosen.
        int chosen = -1;
        for (std::size_t i = 0; i < texts.size(); ++i) {
          if (Mnemonic(texts[i]) == Lower(choose)) chosen = static_cast<int>(i);
        }
        RECT item{};
        if (chosen < 0 || !GetMenuItemRect(nullptr, menu, static_cast<UINT>(chosen), &item)) {
          ADD_FAILURE() << "the menu has no item with the mnemonic " << choose;
          EndMenu();
          return;
        }
        // A click on a greyed item chooses nothing and leaves the menu open.
        if (GetMenuState(menu, static_cast<UINT>(chosen), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) {
          ADD_FAILURE() << "the menu item " << texts[static_cast<std::size_t>(chosen)] << " is greyed";
          EndMenu();
          return;
        }
        MovePointer({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
        PressButton(Button::Left, false);
        PressButton(Button::Left, true);
      },
      "popup menu");
}

bool OpensMenu(const std::function<void()>& action) {
  bool opened = false;
  auto id = std::make_shared<UINT_PTR>(0);
  *id = StartTimer([id, &opened] {
    for (HWND hwnd : ThreadWindows()) {
      if (IsClass(hwnd, "#32768") && IsWindowVisible(hwnd)) {
        StopTimer(*id);
        opened = true;
        EndMenu();
        return;
      }
    }
  });
  action();
  StopTimer(*id);
  return opened;
}

// --- Keyboard ---

void PressKey(Key key, unsigned modifiers) {
  WaitFor([] { return GetFocus() != nullptr; });
  std::vector<WORD> keys;
  if (modifiers & kShift) keys.push_back(VK_SHIFT);
  if (modifiers & kControl) keys.push_back(VK_CONTROL);
  if (modifiers & kAlt) keys.push_back(VK_MENU);
  keys.push_back(VirtualKey(key));
  SendKeys(keys);
  Settle();
}

// Each character as the key that types it on the keyboard layout, with
// Shift where it needs it, so that the key's own key-down message comes
// first as from a user; a character no key types comes as itself.
void TypeText(std::string_view text) {
  WaitFor([] { return GetFocus() != nullptr; });
  for (const char c : text) {
    const SHORT key = VkKeyScanA(c);
    if (key != -1 && (HIBYTE(key) & ~1) == 0) {
      std::vector<WORD> keys;
      if (HIBYTE(key) & 1) keys.push_back(VK_SHIFT);
      keys.push_back(LOBYTE(key));
      SendKeys(keys);
    } else {
      INPUT down{};
      down.type = INPUT_KEYBOARD;
      down.ki.wScan = static_cast<unsigned char>(c);
      down.ki.dwFlags = KEYEVENTF_UNICODE;
      INPUT up = down;
      up.ki.dwFlags |= KEYEVENTF_KEYUP;
      Send({down, up});
    }
    Settle();
  }
}

// --- Mouse ---

void Click(const CWnd& dialog, int id, Button button) {
  if (HWND control = ControlWindow(dialog, id)) ClickScreen(ScreenPoint(control, Centre(control)), button, 1);
}

void ClickAt(const CWnd& dialog, int id, POINT at, Button button) {
  if (HWND control = ControlWindow(dialog, id)) ClickScreen(ScreenPoint(control, at), button, 1);
}

void DoubleClick(const CWnd& dialog, int id) {
  if (HWND control = ControlWindow(dialog, id)) ClickScreen(ScreenPoint(control, Centre(control)), Button::Left, 2);
}

void ClickRow(const CWnd& dialog, int listId, int row) {
  HWND list = ControlWindow(dialog, listId);
  if (!list) return;
  RECT item{};
  if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
    ADD_FAILURE() << "list " << listId << " has no row " << row;
    return;
  }
  ClickScreen(ScreenPoint(list, {(item.left + item.right) / 2, (item.top + item.bottom) / 2}), Button::Left, 1);
}

void ClickBelowLastRow(const CWnd& dialog, int listId) {
  HWND list = ControlWindow(dialog, listId);
  if (!list) return;
  RECT client{};
  GetClientRect(list, &client);
  RECT last{};
  const auto count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  if (count > 0) SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&last));
  const LONG y = std::min<LONG>(last.bottom + 2, client.bottom - 2);
  ClickScreen(ScreenPoint(list, {client.right / 2, y}), Button::Left, 1);
}

void MoveMouse(const CWnd& dialog, int id) {
  if (HWND control = ControlWindow(dialog, id)) {
    MovePointer(ScreenPoint(control, Centre(control)));
    Settle();
  }
}

void MoveMouseTo(const CWnd& dialog, int id, POINT at) {
  if (HWND control = ControlWindow(dialog, id)) {
    MovePointer(ScreenPoint(control, at));
    Settle();
  }
}

void TypeInto(const CWnd& dialog, int id, std::string_view text) {
  Click(dialog, id);
  PressKey(Key::End);
  TypeText(text);
}

void ReplaceText(const CWnd& dialog, int id, std::string_view text) {
  Click(dialog, id);
  if (HWND field = ControlWindow(dialog, id)) SendMessageA(field, EM_SETSEL, 0, -1);
  TypeText(text);
}

// --- Arranging a test ---

void FocusControl(const CWnd& dialog, int id) {
  if (HWND control = ControlWindow(dialog, id)) {
    SendMessageA(HandleOf(dialog), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    Settle();
  }
}

void EnableControl(const CWnd& dialog, int id, bool enable) {
  if (HWND control = ControlWindow(dialog, id)) EnableWindow(control, enable);
}

// --- What the user sees ---

// Windows statics never take the keyboard focus, links included.
bool LinksTakeTheFocus() { return false; }

bool FrameworkOwnsTheSystemMenu() { return false; }

bool ListKeysMoveFromBeforeTheFirstEntry() { return false; }

bool EnterAtOpeningPressesTheFocusedButton() { return false; }

// Wine's ntdll tells its version; Windows' has no such entry.
bool AccessibleNamesKnown() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") == nullptr; }

int FocusedId() {
  HWND focus = GetFocus();
  return focus ? GetDlgCtrlID(focus) : 0;
}

std::string ControlText(const CWnd& dialog, int id) {
  HWND control = ControlWindow(dialog, id);
  return control ? TextOf(control) : std::string();
}

bool IsControlVisible(const CWnd& dialog, int id) {
  HWND control = ControlWindow(dialog, id);
  return control && IsWindowVisible(control);
}

std::vector<int> VisibleControlIds(const CWnd& dialog) {
  std::vector<int> ids;
  HWND hwnd = HandleOf(dialog);
  for (HWND child = hwnd ? GetWindow(hwnd, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(child);
    if (id != 0xFFFF && id != IDC_STATIC && IsWindowVisible(child)) ids.push_back(id);
  }
  return ids;
}

bool AllUnnamedControlsVisible(const CWnd& dialog) {
  HWND hwnd = HandleOf(dialog);
  for (HWND child = hwnd ? GetWindow(hwnd, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(child);
    if ((id == 0xFFFF || id == IDC_STATIC) && !IsWindowVisible(child)) return false;
  }
  return true;
}

RECT ControlRect(const CWnd& dialog, int id) {
  RECT rect{};
  if (HWND control = ControlWindow(dialog, id)) {
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, HandleOf(dialog), reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

SIZE ClientSize(const CWnd& dialog) {
  RECT client{};
  if (HWND hwnd = HandleOf(dialog)) GetClientRect(hwnd, &client);
  return {client.right, client.bottom};
}

std::vector<std::string> ListRows(const CWnd& dialog, int id) {
  std::vector<std::string> rows;
  HWND list = ControlWindow(dialog, id);
  const auto count = list ? SendMessageA(list, LB_GETCOUNT, 0, 0) : 0;
  for (LRESULT row = 0; row < count; ++row) {
    std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()))));
    rows.push_back(std::move(text));
  }
  return rows;
}

int ListSelection(const CWnd& dialog, int id) {
  HWND list = ControlWindow(dialog, id);
  return list ? static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)) : LB_ERR;
}

namespace {

// What paint draws into a width x height picture, read back as top-down
// 32-bit pixels.
Image Painted(int width, int height, const std::function<void(HDC)>& paint) {
  Image image;
  image.width = width;
  image.height = height;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  paint(memory);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i) {
    const std::uint32_t bgr = pixels[i];
    image.pixels.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return image;
}

}  // namespace

Image Grab(const CWnd& dialog, int id) {
  HWND control = ControlWindow(dialog, id);
  if (!control) return {};
  // Painted afresh as it would be shown now, the dialog's background behind
  // it first: a control that paints without a background shows that.
  const RECT area = ControlRect(dialog, id);
  RedrawWindow(HandleOf(dialog), id ? &area : nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Settle();
  RECT client{};
  GetClientRect(control, &client);
  // What is on the screen in the control's client area.
  HDC screen = GetDC(control);
  Image image = Painted(client.right, client.bottom, [&](HDC memory) {
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
  });
  ReleaseDC(control, screen);
  return image;
}

Image DialogIconImage(const CWnd& dialog, bool big) {
  HWND window = HandleOf(dialog);
  auto icon = window ? reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, big ? ICON_BIG : ICON_SMALL, 0))
                     : nullptr;
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return {};
  BITMAP mask{};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  const int size = mask.bmWidth;
  return Painted(size, size, [&](HDC memory) {
    const RECT all{0, 0, size, size};
    HBRUSH background = CreateSolidBrush(DialogBackgroundColor());
    FillRect(memory, &all, background);
    DeleteObject(background);
    DrawIconEx(memory, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  });
}

COLORREF DialogBackgroundColor() { return GetSysColor(COLOR_3DFACE); }

HCURSOR CursorOver(const CWnd& dialog, int id) {
  if (!ControlWindow(dialog, id)) return nullptr;
  HCURSOR cursor = GetCursor();
  // The system's own cursors read as none.
  for (LPCSTR system : {IDC_ARROW, IDC_IBEAM, IDC_WAIT, IDC_CROSS, IDC_HAND, IDC_SIZEALL, IDC_NO, IDC_APPSTARTING}) {
    if (cursor == LoadCursorA(nullptr, system)) return nullptr;
  }
  return cursor;
}

POINT CursorHotSpot(HCURSOR cursor) {
  ICONINFO info{};
  if (!cursor || !GetIconInfo(cursor, &info)) return {};
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
}

std::string AccessibleName(const CWnd& dialog, int id) {
  HWND control = ControlWindow(dialog, id);
  if (!control) return {};
  static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  (void)com;
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&accessible)))) {
    return {};
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::string result;
  if (SUCCEEDED(accessible->get_accName(self, &name)) && name) result = FromWide(name);
  SysFreeString(name);
  accessible->Release();
  return result;
}

std::string VisibleToolTip() {
  for (HWND hwnd : ThreadWindows()) {
    if (!IsClass(hwnd, TOOLTIPS_CLASSA) || !IsWindowVisible(hwnd)) continue;
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    if (!SendMessageA(hwnd, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool))) continue;
    char text[1024] = {};
    tool.lpszText = text;
    SendMessageA(hwnd, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
  }
  return {};
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) return false;
    RunPendingMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

}  // namespace gui_test
