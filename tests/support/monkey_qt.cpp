#include "tests/support/monkey.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <array>
#include <optional>
#include <random>
#include <utility>

#include "tests/support/hostile_text_qt.h"
#include "tests/support/synthetic_input_qt.h"

namespace {

// Far more than the windows that can stand in front of each other (main
// dialog, a dialog, a box or the About box, a menu).
constexpr int kDepthLimit = 12;
// Escape or Enter (after a restore) is all closing a window should take.
constexpr int kClosingStepLimit = 10;
// Now and then the user pauses, long enough for a tooltip to show.
constexpr double kPauseChance = 0.004;
constexpr int kShortestPauseMs = 50;
constexpr int kLongestPauseMs = 700;

struct Weighted {
  int weight;
  const char* name;
};

// How often each kind of input comes, and what the report calls it; in the
// order of Monkey::Action.
constexpr std::array<Weighted, 20> kActions{{
    {28, "click on a control or the background"},
    {8, "click on a list entry"},
    {3, "double click"},
    {2, "right click"},
    {1, "middle click"},
    {2, "drag"},
    {4, "pointer move"},
    {14, "typing"},
    {4, "input-method commit"},
    {3, "paste"},
    {6, "Enter"},
    {2, "Escape"},
    {5, "Tab"},
    {2, "Shift+Tab"},
    {6, "arrow key"},
    {4, "editing key"},
    {2, "Alt+letter"},
    {2, "Alt+Space"},
    {1, "F1"},
    {1, "close box"},
}};

QWidget* FrontWindow() {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  return QApplication::activeModalWidget();
}

struct KeyStroke {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* text;
};

constexpr std::array<KeyStroke, 16> kEditKeys{{
    {Qt::Key_Home, Qt::NoModifier, ""},
    {Qt::Key_End, Qt::NoModifier, ""},
    {Qt::Key_End, Qt::ShiftModifier, ""},
    {Qt::Key_PageUp, Qt::NoModifier, ""},
    {Qt::Key_PageDown, Qt::NoModifier, ""},
    {Qt::Key_Backspace, Qt::NoModifier, "\b"},
    {Qt::Key_Delete, Qt::NoModifier, "\x7f"},
    {Qt::Key_Space, Qt::NoModifier, " "},
    {Qt::Key_Insert, Qt::NoModifier, ""},
    {Qt::Key_Left, Qt::ShiftModifier, ""},
    {Qt::Key_A, Qt::ControlModifier, "\x01"},
    {Qt::Key_C, Qt::ControlModifier, "\x03"},
    {Qt::Key_X, Qt::ControlModifier, "\x18"},
    {Qt::Key_Z, Qt::ControlModifier, "\x1a"},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "\x1a"},
    {Qt::Key_Enter, Qt::KeypadModifier, "\r"},
}};

constexpr std::array<Qt::Key, 4> kArrows{Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};

// What the user would call the window: a dialog's caption, "message box:"
// and its first line, "system menu" or "context menu".
std::string WindowName(QWidget* window) {
  if (auto* box = qobject_cast<QMessageBox*>(window)) {
    return "message box: " + box->text().section(QLatin1Char('\n'), 0, 0).toStdString();
  }
  if (qobject_cast<QMenu*>(window)) {
    return qobject_cast<QDialog*>(window->parentWidget()) ? "system menu" : "context menu";
  }
  return window->windowTitle().toStdString();
}

// Each step posts the next one before it acts, because an action may open a
// modal window or a menu: the next step then runs inside that window's own
// loop, as the user's next input would. Delivery never processes events
// (see SyntheticInput), so steps nest only in modal loops.
class Monkey : public QObject {
 public:
  // Counts what it does into run. The first step runs once an event loop does.
  Monkey(std::uint64_t seed, int events, MonkeyRun& run);
  ~Monkey() override { qApp->removeEventFilter(this); }
  Monkey(const Monkey&) = delete;
  Monkey& operator=(const Monkey&) = delete;

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
  void Count(const char* kind) {
    ++run_.sent;
    ++run_.byKind[kind];
  }

  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
  bool Chance(double probability) { return std::bernoulli_distribution(probability)(engine_); }
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
  MonkeyRun& run_;
  QPointer<QWidget> closing_;  // the window being closed, and the steps it took
  int closingSteps_ = 0;
  int depth_ = 0;
};

// The run that Qt's warnings and critical messages are counted into.
MonkeyRun* reported = nullptr;
QtMessageHandler previousHandler = nullptr;

void RecordMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg) ++reported->warnings[message.toStdString()];
  if (type == QtCriticalMsg) ++reported->criticals[message.toStdString()];
  if (type == QtFatalMsg) previousHandler(type, context, message);
}

}  // namespace

MonkeyRun RunMonkey(std::uint64_t seed, int events, const std::function<void()>& launch) {
  MonkeyRun run;
  reported = &run;
  previousHandler = qInstallMessageHandler(&RecordMessage);
  {
    Monkey monkey(seed, events, run);
    // Once the events are spent, the main dialog's end was the monkey closing it.
    do {
      ++run.launches;
      launch();
    } while (run.sent < events);
  }
  QTest::qWait(50);  // anything the last window left for the event loop
  qInstallMessageHandler(previousHandler);
  return run;
}

std::vector<std::string> VisibleWindows() {
  std::vector<std::string> visible;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) visible.push_back(WindowName(window) + " (" + window->metaObject()->className() + ")");
  }
  return visible;
}

std::string WindowInFront() {
  QWidget* front = FrontWindow();
  return front ? WindowName(front) : std::string();
}

Monkey::Monkey(std::uint64_t seed, int events, MonkeyRun& run) : engine_(seed), budget_(events), run_(run) {
  qApp->installEventFilter(this);
  QTimer::singleShot(0, &stepContext_, [this] { Step(); });
}

bool Monkey::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    const Qt::WindowType type = widget->windowType();
    if (type == Qt::Dialog || type == Qt::Popup) ++run_.opened[WindowName(widget)];
    if (type == Qt::ToolTip) ++run_.opened["tooltip"];
  }
  return false;
}

void Monkey::Step() {
  QWidget* front = FrontWindow();
  const bool inFront = front && front->windowHandle();
  if (inFront && run_.sent < budget_ && Chance(kPauseChance)) {
    RestThePointer(front);
    return;
  }
  QTimer::singleShot(0, &stepContext_, [this] { Step(); });
  if (!inFront) return;

  ++depth_;
  struct Leave {
    int& depth;
    ~Leave() { --depth; }
  } leave{depth_};
  if (depth_ > kDepthLimit) {
    run_.faults.push_back("modal windows nested " + std::to_string(depth_) + " deep, up to " + WindowName(front));
    ForceClose(front);
    return;
  }
  if (run_.sent < budget_) {
    ++run_.byWindow[WindowName(front)];
    Act(front);
  } else {
    CloseFront(front);
  }
}

void Monkey::RestThePointer(QWidget* front) {
  // The next step comes only after a while, so timers run meanwhile: a
  // tooltip shows, a menu follows the hover.
  const int pauseMs = Between(kShortestPauseMs, kLongestPauseMs);
  ++run_.pauses;
  run_.pausedMs += pauseMs;
  QTimer::singleShot(pauseMs, &stepContext_, [this] { Step(); });
  ++run_.byWindow[WindowName(front)];
  Count("pointer move, then a pause");
  input_.Move(front->windowHandle(), RandomPoint(front));
}

void Monkey::Act(QWidget* front) {
  if (auto* menu = qobject_cast<QMenu*>(front)) {
    ActOnMenu(menu);
  } else {
    ActOnWindow(front);
  }
}

QPoint Monkey::RandomPoint(QWidget* window) {
  QList<QWidget*> parts{window};
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (child->isVisible() && !child->isWindow()) parts.append(child);
  }
  QWidget* part = parts[Between(0, static_cast<int>(parts.size()) - 1)];
  const QPoint inside(Between(0, std::max(0, part->width() - 1)), Between(0, std::max(0, part->height() - 1)));
  return part->mapTo(window, inside);
}

std::optional<QPoint> Monkey::RandomListEntry(QWidget* window) {
  QList<QListWidget*> lists;
  for (QListWidget* list : window->findChildren<QListWidget*>()) {
    if (list->isVisible() && list->count() > 0) lists.append(list);
  }
  if (lists.isEmpty()) return std::nullopt;
  QListWidget* list = lists[Between(0, static_cast<int>(lists.size()) - 1)];
  const QRect entry = list->visualItemRect(list->item(Between(0, list->count() - 1)));
  if (entry.isEmpty()) return std::nullopt;
  const QPoint inside(Between(entry.left(), entry.right()), Between(entry.top(), entry.bottom()));
  return list->viewport()->mapTo(window, inside);
}

void Monkey::MaybeClickIntoField(QWidget* window) {
  QList<QLineEdit*> fields;
  for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
    if (field->isVisible() && field->isEnabled() && !field->isReadOnly()) fields.append(field);
  }
  if (fields.isEmpty() || Chance(0.5)) return;
  QLineEdit* field = fields[Between(0, static_cast<int>(fields.size()) - 1)];
  const QPoint inside(Between(0, field->width() - 1), Between(0, field->height() - 1));
  input_.Click(window->windowHandle(), field->mapTo(window, inside));
}

void Monkey::TypeText(QWidget* window) {
  MaybeClickIntoField(window);
  const QString text = HostileText(engine_, TextLength::Short);
  run_.typed += static_cast<int>(text.size());
  input_.Type(window->windowHandle(), text);
}

void Monkey::CommitText(QWidget* window) {
  // An input method hands over whole strings, control characters and all,
  // to the field with the focus.
  MaybeClickIntoField(window);
  QWidget* field = window->focusWidget();
  const QString text = HostileText(engine_, TextLength::Any);
  if (!field || !field->testAttribute(Qt::WA_InputMethodEnabled)) {
    input_.Type(window->windowHandle(), text.left(40));
    return;
  }
  CountLongText(field, text);
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QCoreApplication::sendEvent(field, &commit);
}

void Monkey::PasteText(QWidget* window) {
  // Another program copied it; Ctrl+V or Shift+Insert pastes it, and a
  // later middle click pastes it as the selection.
  MaybeClickIntoField(window);
  const QString text = HostileText(engine_, TextLength::Any);
  CountLongText(window->focusWidget(), text);
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(text);
  if (clipboard->supportsSelection()) clipboard->setText(text, QClipboard::Selection);
  if (Chance(0.5)) {
    input_.Key(window->windowHandle(), Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
  } else {
    input_.Key(window->windowHandle(), Qt::Key_Insert, Qt::ShiftModifier);
  }
}

void Monkey::CountLongText(QWidget* field, const QString& text) {
  auto* edit = qobject_cast<QLineEdit*>(field);
  if (edit && !edit->isReadOnly() && text.size() >= kLongTextMinimum) ++run_.longTexts;
}

void Monkey::PressEditKey(QWidget* window) {
  const KeyStroke& stroke = kEditKeys[static_cast<std::size_t>(Between(0, static_cast<int>(kEditKeys.size()) - 1))];
  input_.Key(window->windowHandle(), stroke.key, stroke.modifiers, QString::fromLatin1(stroke.text));
}

void Monkey::Drag(QWidget* window) {
  QWindow* handle = window->windowHandle();
  const QPointer<QWindow> target(handle);
  QPoint at = RandomPoint(window);
  input_.Press(target, at, Qt::LeftButton);
  for (int moves = Between(1, 3); moves > 0 && target && window->isVisible(); --moves) {
    at = RandomPoint(window);
    input_.Move(target, at);
  }
  input_.Release(target, at, Qt::LeftButton);
}

void Monkey::ActOnWindow(QWidget* window) {
  if (window->isMinimized() && Chance(0.5)) {
    Count("restore from the taskbar");
    window->showNormal();
    return;
  }
  // What the window manager does for the window in front.
  if (QApplication::activeWindow() != window) window->activateWindow();

  static_assert(kActions.size() == static_cast<std::size_t>(Action::CloseBox) + 1);
  std::array<int, kActions.size()> weights{};
  for (std::size_t i = 0; i < kActions.size(); ++i) weights[i] = kActions[i].weight;
  auto action = static_cast<Action>(std::discrete_distribution<int>(weights.begin(), weights.end())(engine_));
  std::optional<QPoint> entry;
  if (action == Action::ListRow && !(entry = RandomListEntry(window))) action = Action::Click;
  Count(kActions[static_cast<std::size_t>(action)].name);

  QWindow* handle = window->windowHandle();
  switch (action) {
    case Action::Click:
      input_.Click(handle, RandomPoint(window));
      break;
    case Action::ListRow:
      input_.Click(handle, *entry);
      break;
    case Action::DoubleClick:
      input_.DoubleClick(handle, RandomPoint(window));
      break;
    case Action::RightClick:
      input_.Click(handle, RandomPoint(window), Qt::RightButton);
      break;
    case Action::MiddleClick:
      input_.Click(handle, RandomPoint(window), Qt::MiddleButton);
      break;
    case Action::Drag:
      Drag(window);
      break;
    case Action::Hover:
      input_.Move(handle, RandomPoint(window));
      break;
    case Action::Type:
      TypeText(window);
      break;
    case Action::InputMethod:
      CommitText(window);
      break;
    case Action::Paste:
      PasteText(window);
      break;
    case Action::Enter:
      input_.Key(handle, Qt::Key_Return, {}, QStringLiteral("\r"));
      break;
    case Action::Escape:
      input_.Key(handle, Qt::Key_Escape, {}, QStringLiteral("\x1b"));
      break;
    case Action::Tab:
      input_.Key(handle, Qt::Key_Tab, {}, QStringLiteral("\t"));
      break;
    case Action::BackTab:
      input_.Key(handle, Qt::Key_Backtab, Qt::ShiftModifier, QStringLiteral("\t"));
      break;
    case Action::Arrow:
      input_.Key(handle, kArrows[static_cast<std::size_t>(Between(0, static_cast<int>(kArrows.size()) - 1))]);
      break;
    case Action::EditKey:
      PressEditKey(window);
      break;
    case Action::Mnemonic: {
      const int letter = Between(0, 25);
      input_.Key(handle, static_cast<Qt::Key>(Qt::Key_A + letter), Qt::AltModifier, QString(QChar('a' + letter)));
      break;
    }
    case Action::SystemMenu:
      input_.Key(handle, Qt::Key_Space, Qt::AltModifier, QStringLiteral(" "));
      break;
    case Action::Help:
      input_.Key(handle, Qt::Key_F1);
      break;
    case Action::CloseBox:
      // The window manager's close request, as from the title bar.
      handle->close();
      break;
  }
}

void Monkey::ActOnMenu(QMenu* menu) {
  QWindow* handle = menu->windowHandle();
  const QList<QAction*> items = menu->actions();
  QWidget* beneath = menu->parentWidget() ? menu->parentWidget()->window() : nullptr;
  switch (Between(0, 9)) {
    case 0:
    case 1:
    case 2:
    case 3:
      if (!items.isEmpty()) {
        Count("click on a menu item");
        const QRect item = menu->actionGeometry(items[Between(0, static_cast<int>(items.size()) - 1)]);
        input_.Click(handle, item.center());
        break;
      }
      [[fallthrough]];
    case 4:
      if (beneath && beneath->windowHandle()) {
        Count("click beside a menu");
        input_.Click(beneath->windowHandle(), RandomPoint(beneath));
        break;
      }
      [[fallthrough]];
    case 5:
      Count("Escape in a menu");
      input_.Key(handle, Qt::Key_Escape, {}, QStringLiteral("\x1b"));
      break;
    case 6:
    case 7:
      Count("arrow key in a menu");
      input_.Key(handle, Chance(0.5) ? Qt::Key_Down : Qt::Key_Up);
      break;
    case 8:
      Count("Enter in a menu");
      input_.Key(handle, Qt::Key_Return, {}, QStringLiteral("\r"));
      break;
    default: {
      Count("letter in a menu");
      const int letter = Between(0, 25);
      input_.Key(handle, static_cast<Qt::Key>(Qt::Key_A + letter), {}, QString(QChar('a' + letter)));
      break;
    }
  }
}

void Monkey::CloseFront(QWidget* front) {
  ++run_.byKind["closing the window in front"];
  if (front != closing_) {
    closing_ = front;
    closingSteps_ = 0;
  }
  if (++closingSteps_ > kClosingStepLimit) {
    run_.faults.push_back("could not close " + WindowName(front) + " the ordinary way");
    ForceClose(front);
    return;
  }
  QWindow* handle = front->windowHandle();
  if (qobject_cast<QMenu*>(front)) {
    input_.Key(handle, Qt::Key_Escape, {}, QStringLiteral("\x1b"));
  } else if (front->isMinimized()) {
    front->showNormal();
  } else if (qobject_cast<QMessageBox*>(front)) {
    input_.Key(handle, Qt::Key_Return, {}, QStringLiteral("\r"));
  } else {
    if (QApplication::activeWindow() != front) front->activateWindow();
    input_.Key(handle, Qt::Key_Escape, {}, QStringLiteral("\x1b"));
  }
}

void Monkey::ForceClose(QWidget* front) {
  if (auto* dialog = qobject_cast<QDialog*>(front)) {
    dialog->reject();
  } else {
    front->close();
  }
}
