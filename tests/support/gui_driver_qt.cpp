// The test-driving library on the Qt backend: input through Qt's
// window-system layer (QTest on the window handle, so the widget under the
// pointer receives it), and what the user sees read from the widgets.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <memory>

#include "framework/internal/framework_access.h"
#include "framework/qt/dialog_window.h"
#include "framework/qt/list_box_window.h"
#include "framework/qt/window.h"
#include "tests/support/gui_driver_qt.h"
#include "tests/support/queued_input.h"

namespace gui_test {
namespace {

constexpr int kPollMs = 5;
constexpr qint64 kAppearTimeoutMs = 5000;

HWND HandleOf(const CWnd& wnd) { return FrameworkAccess::Handle(wnd); }

// Runs step on what find finds, polling from the event loop until it finds
// something; fails the test when nothing appears in time.
void PollFor(std::function<QWidget*()> find, std::function<void(QWidget*)> step, const char* what,
             std::shared_ptr<QElapsedTimer> clock) {
  if (QWidget* found = find()) {
    step(found);
    return;
  }
  if (clock->elapsed() > kAppearTimeoutMs) {
    ADD_FAILURE() << "no " << what << " appeared";
    return;
  }
  QTimer::singleShot(kPollMs, [find, step, what, clock] { PollFor(find, step, what, clock); });
}

void WhenFound(std::function<QWidget*()> find, std::function<void(QWidget*)> step, const char* what) {
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QTimer::singleShot(0, [find, step, what, clock] { PollFor(find, step, what, clock); });
}

// What a window manager does for a window that shows, or for a dialog whose
// message box has gone: makes it the active window.
bool Activate(QWidget* window) {
  if (QApplication::activeWindow() != window) window->activateWindow();
  return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Runs step in the dialog window, then fails the test and ends the dialog if
// the step left it open.
void ActInside(DialogWindow* window, const std::function<void(CWnd&)>& step) {
  EXPECT_TRUE(Activate(window)) << window->windowTitle().toStdString();
  QPointer<QWidget> guard(window);
  step(*window->wrapper);
  if (guard && guard->isVisible()) {
    ADD_FAILURE() << "the dialog \"" << guard->windowTitle().toStdString() << "\" was left open by the test";
    window->End(IDCANCEL);
  }
}

// The dialog window in front that is not before, once it shows.
std::function<QWidget*()> NewDialog(QPointer<QWidget> before) {
  return [before]() -> QWidget* {
    auto* now = WindowAs<DialogWindow>(WindowOfObject(QApplication::activeModalWidget()));
    return now && now != before.data() && now->isVisible() && now->wrapper ? now : nullptr;
  };
}

QWindow* WindowHandleOf(QWidget* widget) { return widget->window()->windowHandle(); }

QPoint InWindow(QWidget* widget, QPoint at) { return widget->mapTo(widget->window(), at); }

Qt::MouseButton QtButton(Button button) { return button == Button::Left ? Qt::LeftButton : Qt::RightButton; }

void ClickWidgetAt(QWidget* widget, QPoint at, Button button) {
  QTest::mouseClick(WindowHandleOf(widget), QtButton(button), Qt::NoModifier, InWindow(widget, at));
}

ListBoxWindow* ListOf(const CWnd& dialog, int id) {
  auto* list = WindowAs<ListBoxWindow>(WindowOfObject(WidgetOf(dialog, id)));
  if (!list) ADD_FAILURE() << "control " << id << " is not a list box";
  return list;
}

Qt::Key QtKey(Key key, unsigned modifiers) {
  switch (key) {
    case Key::Tab:
      return (modifiers & kShift) ? Qt::Key_Backtab : Qt::Key_Tab;
    case Key::Return:
      return Qt::Key_Return;
    case Key::Escape:
      return Qt::Key_Escape;
    case Key::Space:
      return Qt::Key_Space;
    case Key::Up:
      return Qt::Key_Up;
    case Key::Down:
      return Qt::Key_Down;
    case Key::Home:
      return Qt::Key_Home;
    case Key::End:
      return Qt::Key_End;
    case Key::PageUp:
      return Qt::Key_PageUp;
    case Key::PageDown:
      return Qt::Key_PageDown;
    case Key::C:
      return Qt::Key_C;
  }
  return Qt::Key_unknown;
}

Qt::KeyboardModifiers QtModifiers(unsigned modifiers) {
  Qt::KeyboardModifiers result;
  if (modifiers & kShift) result |= Qt::ShiftModifier;
  if (modifiers & kControl) result |= Qt::ControlModifier;
  if (modifiers & kAlt) result |= Qt::AltModifier;
  return result;
}

// Waits for the window in front to take the keyboard: with no window
// manager nobody hands the activation back to a dialog after a window in
// front of it closes; the user would click it.
bool KeyboardReady() {
  if (QApplication::activePopupWidget()) return true;
  if (QWidget* modal = QApplication::activeModalWidget()) Activate(modal);
  return QTest::qWaitFor([] { return QApplication::focusWidget() || QApplication::activePopupWidget(); });
}

MessageIcon IconOf(const QMessageBox& box) {
  switch (box.icon()) {
    case QMessageBox::Warning:
      return MessageIcon::Exclamation;
    case QMessageBox::Information:
      return MessageIcon::Information;
    case QMessageBox::Critical:
      return MessageIcon::Error;
    case QMessageBox::Question:
      return MessageIcon::Question;
    default:
      return MessageIcon::None;
  }
}

// The text as the user reads it: markup, were the box to take its text as
// rich text, would not show.
std::string DisplayedText(const QMessageBox& box) {
  const bool rich = box.textFormat() == Qt::RichText || (box.textFormat() == Qt::AutoText && Qt::mightBeRichText(box.text()));
  if (!rich) return FromQString(box.text());
  QTextDocument document;
  document.setHtml(box.text());
  return FromQString(document.toPlainText());
}

COLORREF ColorRefOf(QRgb pixel) {
  return RGB(static_cast<BYTE>(qRed(pixel)), static_cast<BYTE>(qGreen(pixel)), static_cast<BYTE>(qBlue(pixel)));
}

}  // namespace

QWidget* WidgetOf(const CWnd& dialog, int id) {
  HWND window = HandleOf(dialog);
  if (window && id != 0) window = window->Child(id);
  if (!window) {
    ADD_FAILURE() << "no control " << id << " in an open dialog";
    return nullptr;
  }
  return window->widget;
}

INT_PTR RunModal(CDialog& dialog, const std::function<void()>& step) {
  QPointer<QWidget> before = QApplication::activeModalWidget();
  WhenFound(
      [&dialog, before]() -> QWidget* {
        HWND window = HandleOf(dialog);
        return window && window->widget != before.data() && window->widget->isVisible() ? window->widget : nullptr;
      },
      [step](QWidget* window) { ActInside(static_cast<DialogWindow*>(window), [&step](CWnd&) { step(); }); },
      "dialog");
  return dialog.DoModal();
}

void OnNextDialog(const std::function<void(CWnd& dialog)>& step) {
  WhenFound(NewDialog(QApplication::activeModalWidget()),
            [step](QWidget* window) { ActInside(static_cast<DialogWindow*>(window), step); }, "dialog");
}

bool IsOpen(const CWnd& dialog) {
  HWND window = HandleOf(dialog);
  return window && window->widget->isVisible();
}

std::string Caption(const CWnd& dialog) { return FromQString(WidgetOf(dialog, 0)->windowTitle()); }

void PressCloseBox(const CWnd& dialog) {
  if (QWidget* window = WidgetOf(dialog, 0)) window->close();
}

void RunSoon(std::function<void()> task) { QTimer::singleShot(0, std::move(task)); }

struct MessageBoxAnswerer::Poller {
  QTimer timer;
};

MessageBoxAnswerer::MessageBoxAnswerer() : poller_(new Poller) {
  poller_->timer.setInterval(kPollMs);
  QObject::connect(&poller_->timer, &QTimer::timeout, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->buttons().isEmpty()) return;
    seen_.push_back({FromQString(box->windowTitle()), DisplayedText(*box), IconOf(*box)});
    box->buttons().first()->click();
  });
  poller_->timer.start();
}

MessageBoxAnswerer::~MessageBoxAnswerer() { delete poller_; }

void OnNextSaveDialog(SaveDialogSeen* seen, const std::string& path) {
  WhenFound(
      []() -> QWidget* {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        return dialog && dialog->isVisible() && dialog->acceptMode() == QFileDialog::AcceptSave ? dialog : nullptr;
      },
      [seen, path](QWidget* window) {
        auto* dialog = static_cast<QFileDialog*>(window);
        // The names Qt gives the widgets of its own file dialog.
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        if (!field || !buttons) {
          ADD_FAILURE() << "the save dialog has no file-name field or no buttons";
          dialog->reject();
          return;
        }
        if (seen) {
          std::string accept;
          for (QAbstractButton* button : buttons->buttons()) {
            if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
              accept = FromQString(button->text().remove(u'&'));
            }
          }
          *seen = {FromQString(field->text()), accept, !dialog->testOption(QFileDialog::DontUseNativeDialog)};
        }
        Activate(dialog);
        if (path.empty()) {
          QTest::keyClick(dialog, Qt::Key_Escape);
          return;
        }
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromStdString(path));
        QTest::keyClick(field, Qt::Key_Return);
      },
      "save dialog");
}

std::string ClipboardText() { return FromQString(QGuiApplication::clipboard()->text()); }

void OnNextMenu(std::vector<std::string>* items, char choose) {
  WhenFound(
      []() -> QWidget* {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu && menu->isVisible() ? menu : nullptr;
      },
      [items, choose](QWidget* popup) {
        auto* menu = static_cast<QMenu*>(popup);
        if (items) {
          items->clear();
          for (const QAction* action : menu->actions()) items->push_back(action->isSeparator() ? "-" : FromQString(action->text()));
        }
        if (choose) {
          QTest::keyClick(menu, choose);
        } else {
          menu->close();
        }
      },
      "menu");
}

bool OpensMenu(const std::function<void()>& action) {
  bool opened = false;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&opened] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      opened = true;
      popup->close();
    }
  });
  closer.start(kPollMs);
  action();
  QTest::qWait(50);
  return opened;
}

void PressKey(Key key, unsigned modifiers) {
  if (!KeyboardReady()) {
    ADD_FAILURE() << "no window has the keyboard focus";
    return;
  }
  QTest::keyClick(static_cast<QWidget*>(nullptr), QtKey(key, modifiers), QtModifiers(modifiers));
}

void TypeText(std::string_view text) {
  if (!KeyboardReady()) {
    ADD_FAILURE() << "no window has the keyboard focus";
    return;
  }
  QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::focusWidget();
  QTest::keyClicks(target, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void PostClick(const CWnd& dialog, int id) {
  QWidget* control = WidgetOf(dialog, id);
  if (!control) return;
  const QPointF at = QRectF(control->rect()).center();
  const QPointF global = control->mapToGlobal(at);
  QCoreApplication::postEvent(control, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                       Qt::LeftButton, Qt::NoModifier));
  QCoreApplication::postEvent(control, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                       Qt::NoButton, Qt::NoModifier));
}

void PostKey(Key key) {
  QWidget* focus = QApplication::focusWidget();
  if (!focus) {
    ADD_FAILURE() << "no window has the keyboard focus";
    return;
  }
  const Qt::Key qtKey = QtKey(key, kNoModifier);
  const char ascii = QTest::keyToAscii(qtKey);
  const QString text = ascii ? QString(QChar::fromLatin1(ascii)) : QString();
  QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress, qtKey, Qt::NoModifier, text));
  QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyRelease, qtKey, Qt::NoModifier, text));
}

void Click(const CWnd& dialog, int id, Button button) {
  if (QWidget* control = WidgetOf(dialog, id)) ClickWidgetAt(control, control->rect().center(), button);
}

void ClickAt(const CWnd& dialog, int id, POINT at, Button button) {
  if (QWidget* control = WidgetOf(dialog, id)) ClickWidgetAt(control, QPoint(at.x, at.y), button);
}

void DoubleClick(const CWnd& dialog, int id) {
  if (QWidget* control = WidgetOf(dialog, id)) {
    QTest::mouseDClick(WindowHandleOf(control), Qt::LeftButton, Qt::NoModifier, InWindow(control, control->rect().center()));
  }
}

void ClickRow(const CWnd& dialog, int listId, int row) {
  ListBoxWindow* list = ListOf(dialog, listId);
  if (!list) return;
  ASSERT_LT(row, list->count()) << "list " << listId;
  ClickWidgetAt(list->viewport(), list->visualItemRect(list->item(row)).center(), Button::Left);
}

void ClickBelowLastRow(const CWnd& dialog, int listId) {
  ListBoxWindow* list = ListOf(dialog, listId);
  if (!list) return;
  ClickWidgetAt(list->viewport(), QPoint(5, list->viewport()->height() - 3), Button::Left);
}

void MoveMouse(const CWnd& dialog, int id) {
  if (QWidget* control = WidgetOf(dialog, id)) QTest::mouseMove(WindowHandleOf(control), InWindow(control, control->rect().center()));
}

void MoveMouseTo(const CWnd& dialog, int id, POINT at) {
  if (QWidget* control = WidgetOf(dialog, id)) QTest::mouseMove(WindowHandleOf(control), InWindow(control, QPoint(at.x, at.y)));
}

void TypeInto(const CWnd& dialog, int id, std::string_view text) {
  Click(dialog, id);
  TypeText(text);
}

void ReplaceText(const CWnd& dialog, int id, std::string_view text) {
  Click(dialog, id);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  TypeText(text);
}

void FocusControl(const CWnd& dialog, int id) {
  if (QWidget* control = WidgetOf(dialog, id)) control->setFocus(Qt::TabFocusReason);
}

void EnableControl(const CWnd& dialog, int id, bool enable) {
  if (QWidget* control = WidgetOf(dialog, id)) control->setEnabled(enable);
}

bool LinksTakeTheFocus() { return true; }

bool FrameworkOwnsTheSystemMenu() { return true; }

bool ListKeysMoveFromBeforeTheFirstEntry() { return true; }

bool EnterAtOpeningPressesTheFocusedButton() { return true; }

bool AccessibleNamesKnown() { return true; }

int FocusedId() {
  HWND focus = HWND__::FromWidget(QApplication::focusWidget());
  return focus ? focus->id : 0;
}

std::string ControlText(const CWnd& dialog, int id) {
  HWND window = HandleOf(dialog);
  HWND control = window ? window->Child(id) : nullptr;
  if (!control) {
    ADD_FAILURE() << "no control " << id << " in an open dialog";
    return {};
  }
  return control->Text();
}

bool IsControlVisible(const CWnd& dialog, int id) {
  QWidget* control = WidgetOf(dialog, id);
  return control && control->isVisible();
}

std::vector<int> VisibleControlIds(const CWnd& dialog) {
  std::vector<int> ids;
  for (QObject* child : WidgetOf(dialog, 0)->children()) {
    HWND control = WindowOfObject(child);
    if (control && control->id != IDC_STATIC && control->widget->isVisible()) ids.push_back(control->id);
  }
  return ids;
}

bool AllUnnamedControlsVisible(const CWnd& dialog) {
  for (QObject* child : WidgetOf(dialog, 0)->children()) {
    HWND control = WindowOfObject(child);
    if (control && control->id == IDC_STATIC && !control->widget->isVisible()) return false;
  }
  return true;
}

RECT ControlRect(const CWnd& dialog, int id) {
  QWidget* control = WidgetOf(dialog, id);
  return control ? ToRect(control->geometry()) : RECT{};
}

SIZE ClientSize(const CWnd& dialog) {
  QWidget* window = WidgetOf(dialog, 0);
  return {window->width(), window->height()};
}

std::vector<std::string> ListRows(const CWnd& dialog, int id) {
  std::vector<std::string> rows;
  if (ListBoxWindow* list = ListOf(dialog, id)) {
    for (int row = 0; row < list->count(); ++row) rows.push_back(FromQString(list->item(row)->text()));
  }
  return rows;
}

int ListSelection(const CWnd& dialog, int id) {
  ListBoxWindow* list = ListOf(dialog, id);
  return list ? list->SelectedRow() : LB_ERR;
}

namespace {

Image ImageOf(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  Image result{image.width(), image.height(), {}};
  result.pixels.reserve(static_cast<std::size_t>(image.width() * image.height()));
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) result.pixels.push_back(ColorRefOf(image.pixel(x, y)));
  }
  return result;
}

}  // namespace

Image Grab(const CWnd& dialog, int id) {
  QWidget* widget = WidgetOf(dialog, id);
  if (!widget) return {};
  QImage image;
  if (id == 0 && widget->isMinimized()) {
    // A minimised window shows no controls: only the dialog's own painting.
    image = QImage(widget->size(), QImage::Format_ARGB32);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  } else {
    image = widget->grab().toImage();
  }
  return ImageOf(image);
}

Image DialogIconImage(const CWnd& dialog, bool big) {
  auto* window = WindowAs<DialogWindow>(HandleOf(dialog));
  HICON icon = window ? window->Icon(big) : nullptr;
  if (!icon) return {};
  // The window shows the small icon's 16x16 image (DialogWindow::SetIcon).
  const QPixmap& pixmap = big ? icon->large : icon->small;
  QImage image(pixmap.size(), QImage::Format_ARGB32);
  image.fill(QPalette().color(QPalette::Window));
  QPainter(&image).drawPixmap(0, 0, pixmap);
  return ImageOf(image);
}

COLORREF DialogBackgroundColor() { return ColorRefOf(QPalette().color(QPalette::Window).rgb()); }

HCURSOR CursorOver(const CWnd& dialog, int id) {
  HWND window = HandleOf(dialog);
  HWND control = window && id != 0 ? window->Child(id) : window;
  return control && control->cursorOverridden ? control->cursorShown : nullptr;
}

POINT CursorHotSpot(HCURSOR cursor) {
  if (!cursor || !cursor->cursor) return {};
  const QPoint hotSpot = cursor->cursor->hotSpot();
  return {hotSpot.x(), hotSpot.y()};
}

std::string AccessibleName(const CWnd& dialog, int id) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(WidgetOf(dialog, id));
  return accessible ? FromQString(accessible->text(QAccessible::Name)) : std::string();
}

std::string VisibleToolTip() { return QToolTip::isVisible() ? FromQString(QToolTip::text()) : std::string(); }

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) { return QTest::qWaitFor(condition, timeoutMs); }

}  // namespace gui_test
