#pragma once
// A monkey: random user input for whatever window is in front (a dialog, a
// message box, a menu), one event per step with now and then a pause, until
// its events are spent; then it closes every window the ordinary way
// (Escape, Enter on a message box).
//
// Each step posts the next one before it acts, because an action may open a
// modal window or a menu: the next step then runs inside that window's own
// loop, as the user's next input would. Delivery never processes events
// (see SyntheticInput), so steps nest only in modal loops.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/robustness/synthetic_input.h"

class QMenu;

class Monkey : public QObject {
 public:
  Monkey(std::uint64_t seed, int events);
  ~Monkey() override;
  Monkey(const Monkey&) = delete;
  Monkey& operator=(const Monkey&) = delete;

  // Posts the first step; it runs once an event loop does.
  void Start();
  // Told by whoever launches the main dialog each time it has ended. Once
  // the events are spent that was the monkey closing it, and it is done.
  void MainDialogEnded();
  bool Finished() const { return finished_; }

  int EventsSent() const { return sent_; }
  int CharactersTyped() const { return typed_; }
  // Texts of 10,000 characters or more handed to a field that takes input.
  int LongTexts() const { return longTexts_; }
  int Pauses() const { return pauses_; }
  int PausedMs() const { return pausedMs_; }
  const std::map<std::string, int>& EventsByKind() const { return byKind_; }
  const std::map<std::string, int>& EventsByWindow() const { return byWindow_; }
  const std::map<std::string, int>& WindowsOpened() const { return opened_; }
  // What went wrong beyond a crash: a window the monkey could not close the
  // ordinary way, or modal windows nesting without end.
  const std::vector<std::string>& Faults() const { return faults_; }

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Action {
    Click, ListRow, DoubleClick, RightClick, MiddleClick, Drag, Hover, Type, InputMethod, Paste,
    Enter, Escape, Tab, BackTab, Arrow, EditKey, Mnemonic, SystemMenu, Help, CloseBox,
  };

  void Step();
  void Act(QWidget* front);
  void ActOnWindow(QWidget* window);
  void ActOnMenu(QMenu* menu);
  // A pointer move, then a pause of the user's before the next step.
  void RestThePointer(QWidget* front);
  void CloseFront(QWidget* front);
  void ForceClose(QWidget* front);
  void Count(const char* kind);

  int Between(int low, int high);
  bool Chance(double probability);
  // A random point of a random visible part (a control, or the background)
  // of window, in the window's coordinates.
  QPoint RandomPoint(QWidget* window);
  // A point on a random entry of a visible list, if window shows one.
  std::optional<QPoint> RandomListEntry(QWidget* window);
  // Half the time the user first clicks into one of the window's input
  // fields before typing or pasting; otherwise the text goes wherever the
  // focus is.
  void MaybeClickIntoField(QWidget* window);
  void TypeText(QWidget* window);
  void CommitText(QWidget* window);
  void PasteText(QWidget* window);
  void CountLongText(QWidget* field, const QString& text);
  void PressEditKey(QWidget* window);
  void Drag(QWidget* window);

  std::mt19937_64 engine_;
  SyntheticInput input_;
  QObject stepContext_;  // pending steps die with the monkey
  const int budget_;
  int sent_ = 0;
  int typed_ = 0;
  int longTexts_ = 0;
  int pauses_ = 0;
  int pausedMs_ = 0;
  QPointer<QWidget> closing_;  // the window being closed, and the steps it took
  int closingSteps_ = 0;
  int depth_ = 0;
  bool finished_ = false;
  std::map<std::string, int> byKind_;
  std::map<std::string, int> byWindow_;
  std::map<std::string, int> opened_;
  std::vector<std::string> faults_;
};

// What the user would call the window: a dialog's caption, "message box:"
// and its first line, "system menu" or "context menu".
std::string WindowName(QWidget* window);
