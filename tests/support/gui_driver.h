#pragma once
// Driving the framework's dialogs from a test the way a user does, on any
// backend: opening a dialog and acting inside its modal loop, keys, typing,
// clicks, answering message boxes and menus; and reading back what the user
// would see. Every input goes through the system's real input path, so it
// passes the framework's pre-translation exactly as a user's would.
//
// The interface names no toolkit type: each backend implements it once
// (gui_driver_qt.cpp, gui_driver_win32.cpp), and every GUI suite written
// against it runs on both.
//
// Coordinates are pixels: a control's in its own client area, rectangles in
// the dialog's client area. A control is named by its dialog's wrapper and
// its id; id 0 names the dialog itself.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/afxwin.h"

namespace gui_test {

// --- Modal windows ---

// Opens dialog with DoModal and runs step inside its modal loop once it is
// the active window (so the keyboard focus is where the user finds it).
// A dialog the step leaves open fails the test and is then closed, so a
// failing test never hangs. Returns what DoModal returned.
INT_PTR RunModal(CDialog& dialog, const std::function<void()>& step);

// Runs step inside the modal loop of the next dialog that opens (one the
// program opens from a handler), once it is the active window; step is
// given that dialog's wrapper. Leaving it open fails the test as above.
// Fails the test when no dialog opens within 5 s.
void OnNextDialog(const std::function<void(CWnd& dialog)>& step);

bool IsOpen(const CWnd& dialog);
std::string Caption(const CWnd& dialog);

// A click on the dialog's close box.
void PressCloseBox(const CWnd& dialog);

// Runs task once from the event loop that runs next: a modal loop, or
// WaitFor's.
void RunSoon(std::function<void()> task);

// --- Message boxes ---

enum class MessageIcon { None, Exclamation, Information, Error, Question };

struct MessageBoxSeen {
  std::string caption;
  std::string text;
  MessageIcon icon = MessageIcon::None;
  friend bool operator==(const MessageBoxSeen&, const MessageBoxSeen&) = default;
};

// Presses OK on every message box that shows while it lives, and records
// what each one showed.
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer();
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  const std::vector<MessageBoxSeen>& Seen() const { return seen_; }
  void Forget() { seen_.clear(); }

 private:
  struct Poller;
  Poller* poller_;
  std::vector<MessageBoxSeen> seen_;
};

// --- Save-file dialogs ---

struct SaveDialogSeen {
  std::string fileName;      // in its file-name field as it showed
  std::string acceptButton;  // its accept button's text, without the mnemonic marker
  // The system's save dialog: comdlg32's on Windows; on Qt a QFileDialog
  // free to be the desktop's own (the test programs forbid native dialogs,
  // so the tests meet Qt's, which they can drive).
  bool systemDialog = false;
  friend bool operator==(const SaveDialogSeen&, const SaveDialogSeen&) = default;
};

// When the next save-file dialog shows: records what it offers in *seen
// when seen is given, then types path into its file-name field and accepts
// it, or cancels the dialog when path is empty. Fails the test when no save
// dialog shows within 5 s. Call before what opens the dialog.
void OnNextSaveDialog(SaveDialogSeen* seen, const std::string& path);

// --- The clipboard ---

// The clipboard's text as a paste would get it, lines ended by '\n'. On
// Windows, where pasted lines end with "\r\n", a bare line feed fails the
// test.
std::string ClipboardText();

// --- Menus ---

// When the next popup menu (a system menu) shows: records its items' texts
// in *items when items is given ("-" for a separator), then chooses the item
// whose mnemonic is choose, or closes the menu when choose is 0. Fails the
// test when no menu shows within 5 s. Call before what opens the menu.
void OnNextMenu(std::vector<std::string>* items, char choose);

// Whether action opens a popup menu (which is then closed).
bool OpensMenu(const std::function<void()>& action);

// --- Keyboard ---

// C is the letter's key, for shortcuts such as Ctrl+C.
enum class Key { Tab, Return, Escape, Space, Up, Down, Home, End, PageUp, PageDown, C };
enum Modifier : unsigned { kNoModifier = 0, kShift = 1, kControl = 2, kAlt = 4 };

// A key pressed where the keyboard focus is (waiting first for a window in
// front to take the focus, as one does after a nested dialog closes).
void PressKey(Key key, unsigned modifiers = kNoModifier);
// Typed character by character where the keyboard focus is.
void TypeText(std::string_view text);

// --- Mouse ---

enum class Button { Left, Right };

// A click at the centre of the control, or at a point of it.
void Click(const CWnd& dialog, int id, Button button = Button::Left);
void ClickAt(const CWnd& dialog, int id, POINT at, Button button = Button::Left);
void DoubleClick(const CWnd& dialog, int id);
// A click on a list's entry where the user sees it, and one in the empty
// part of the list below its last entry.
void ClickRow(const CWnd& dialog, int listId, int row);
void ClickBelowLastRow(const CWnd& dialog, int listId);
// The pointer moved onto the control, at its centre or at a point of it.
void MoveMouse(const CWnd& dialog, int id);
void MoveMouseTo(const CWnd& dialog, int id, POINT at);

// Clicks into a field and types text after what it holds; or selects all it
// holds first and types over it.
void TypeInto(const CWnd& dialog, int id, std::string_view text);
void ReplaceText(const CWnd& dialog, int id, std::string_view text);

// --- Arranging a test ---

// The focus put on a control, as the program or a click would.
void FocusControl(const CWnd& dialog, int id);
void EnableControl(const CWnd& dialog, int id, bool enable);

// --- What the user sees ---

// Whether a static that notifies takes the keyboard focus without the
// tab-stop style: on Qt the framework lets Tab reach every such static;
// the Windows dialog manager only those with the style (as link labels
// have).
bool LinksTakeTheFocus();

// Whether the framework itself provides the dialog's system menu, as on Qt,
// where Linux window managers own the title bar's: it then also opens on a
// right click on the dialog's background, offers Minimize to every dialog,
// and sends the choice as the only system command. On Windows the menu is
// the system's: Alt+Space first arrives as the system command SC_KEYMENU,
// only the caption's right click opens it, and Minimize is greyed for a
// dialog without a minimize box.
bool FrameworkOwnsTheSystemMenu();

// Whether the first navigation key in a list without a selection moves from
// before the first entry (the framework's list on Qt), or selects the entry
// under the list's caret, its first, whatever the key (the system's list
// box on Windows; letters typed still reach any entry).
bool ListKeysMoveFromBeforeTheFirstEntry();

// Whether Enter right after a dialog opens presses the push button the
// dialog gave the focus to although it is not the default one, as the
// framework decides on Qt. On Windows the system's dialog manager makes a
// button the default only when the focus moves to it (Tab, a click), so
// Enter then sends IDOK.
bool EnterAtOpeningPressesTheFocusedButton();

// Whether AccessibleName can tell what a screen reader hears: under Wine,
// whose oleacc names no control, it cannot.
bool AccessibleNamesKnown();

// The id of the control with the keyboard focus; 0 when none has it.
int FocusedId();
// A control's text as shown: a field's contents, a static's or button's
// caption (without mnemonic markers removed).
std::string ControlText(const CWnd& dialog, int id);
bool IsControlVisible(const CWnd& dialog, int id);
// Ids of the dialog's controls the user can see (not IDC_STATIC ones), and
// whether every control without an id (frames, fixed texts) is visible.
std::vector<int> VisibleControlIds(const CWnd& dialog);
bool AllUnnamedControlsVisible(const CWnd& dialog);
// A control's rectangle in its dialog's client area, and the dialog's
// client size.
RECT ControlRect(const CWnd& dialog, int id);
SIZE ClientSize(const CWnd& dialog);
// Rectangles are the same when all four edges are.
inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
// A list's entries in order, and the selected row (-1 for none).
std::vector<std::string> ListRows(const CWnd& dialog, int id);
int ListSelection(const CWnd& dialog, int id);

// What a control shows now, pixel by pixel (COLORREF values); id 0 grabs
// the dialog's client area.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;  // row by row
  COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
Image Grab(const CWnd& dialog, int id);
// The image of the dialog's big or small icon as the system holds it, at its
// own size, drawn over the dialog background colour.
Image DialogIconImage(const CWnd& dialog, bool big);
// How many of an image's pixels have a colour; and the longest horizontal
// run of them in any row (an underline is an unbroken line of its text's
// colour).
int CountPixels(const Image& image, COLORREF colour);
int LongestRun(const Image& image, COLORREF colour);
// The colour the system paints dialogs' backgrounds with.
COLORREF DialogBackgroundColor();

// The cursor shown while the pointer rests over the control (after
// MoveMouse): the one a WM_SETCURSOR handler set, or null for the system's
// own.
HCURSOR CursorOver(const CWnd& dialog, int id);
// The point of a cursor's image that is the pointer's position.
POINT CursorHotSpot(HCURSOR cursor);

// What a screen reader is told a control is called.
std::string AccessibleName(const CWnd& dialog, int id);

// The tooltip on screen now ("" for none).
std::string VisibleToolTip();

// Runs the system's events until condition holds or timeoutMs passes;
// whether it held.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 3000);

}  // namespace gui_test
