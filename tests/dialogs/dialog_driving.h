#pragma once
// Driving the program's dialogs the way a user does: clicks on list entries
// and buttons, typing, keys, and answering message boxes. Every helper sends
// real input events, so they pass the framework's pre-translation exactly as
// a user's input would.

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <set>
#include <vector>

#include "framework/dialog.h"
#include "tests/support/modal_driver.h"

// Runs step once the next modal dialog shows and has become the active
// window (so the keyboard focus is where the user would find it).
void OnNextDialog(std::function<void(QWidget* window)> step);

// Runs dialog modally; step runs inside its modal loop once its window shows.
// A step that leaves the dialog open fails the test and the dialog is closed,
// so a failing test never hangs. Returns what DoModal returned.
INT_PTR RunModal(CDialog& dialog, std::function<void(QWidget* window)> step);

// Answers every message box that shows while the watcher lives (presses OK)
// and records what each one showed.
class MessageBoxWatcher {
 public:
  MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  const std::vector<MessageBoxSeen>& Seen() const { return seen_; }
  void Forget() { seen_.clear(); }

 private:
  QTimer poll_;
  std::vector<MessageBoxSeen> seen_;
};

// The wrapper of a dialog window the program opened (its dialog object).
CWnd& DialogOf(QWidget* window);
QListWidget* ListOf(const CWnd& dialog, int id);
QLineEdit* EditOf(const CWnd& dialog, int id);

// A click on the entry at row, where the user sees it.
void ClickRow(QListWidget* list, int row);
// A click on the dialog's control id (a button or a link label).
void ClickControl(const CWnd& dialog, int id);
// Clicks into the field and types text after what it holds.
void TypeInto(QLineEdit* field, const QString& text);
// Clicks into the field, selects all it holds and types text over it.
void ReplaceText(QLineEdit* field, const QString& text);
// Waits (running events) until condition holds; false if it never does.
bool WaitFor(std::function<bool()> condition, int timeoutMs = 3000);
// A key pressed where the keyboard focus is.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The pointer moved onto widget at pos (its centre by default).
void HoverOver(QWidget* widget, QPoint pos = QPoint(-1, -1));

// Ids of the dialog's controls the user can see, and whether every control
// without an id (frames, fixed texts) is visible.
std::set<int> VisibleControlIds(const CWnd& dialog);
bool AllUnnamedControlsVisible(const CWnd& dialog);

// The text of a framework window (a static's text, a field's text).
QString WindowTextOf(QWidget* widget);


// How many pixels of image are exactly colour (fully opaque), and the
// longest horizontal run of such pixels in any row.
int CountPixels(const QImage& image, QRgb colour);
int LongestRun(const QImage& image, QRgb colour);
