#include "tests/dialogs/dialog_driving.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <memory>

#include "framework/qt/window.h"
#include "framework/win_constants.h"

namespace {

constexpr int kPollMs = 5;

// What a window manager does for a window that shows, or for a dialog
// whose message box has gone: makes it the active window.
bool Activate(QWidget* window) {
  if (QApplication::activeWindow() != window) window->activateWindow();
  return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

}  // namespace

void OnNextDialog(std::function<void(QWidget* window)> step) {
  OnNextModal([step](QWidget* window) {
    EXPECT_TRUE(Activate(window)) << window->windowTitle().toStdString();
    step(window);
  });
}

INT_PTR RunModal(CDialog& dialog, std::function<void(QWidget* window)> step) {
  OnNextDialog([step](QWidget* window) {
    QPointer<QWidget> guard(window);
    step(window);
    if (guard && guard->isVisible()) {
      ADD_FAILURE() << "the dialog was left open by the test";
      if (auto* modal = qobject_cast<QDialog*>(guard.data())) modal->reject();
    }
  });
  return dialog.DoModal();
}

MessageBoxWatcher::MessageBoxWatcher() {
  poll_.setInterval(kPollMs);
  QObject::connect(&poll_, &QTimer::timeout, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    seen_.push_back({box->windowTitle(), box->text(), box->icon()});
    box->button(QMessageBox::Ok)->click();
  });
  poll_.start();
}

CWnd& DialogOf(QWidget* window) { return *CWnd::FromHandle(dynamic_cast<HWND__*>(window)); }

QListWidget* ListOf(const CWnd& dialog, int id) { return qobject_cast<QListWidget*>(ControlOf(dialog, id)); }

QLineEdit* EditOf(const CWnd& dialog, int id) { return qobject_cast<QLineEdit*>(ControlOf(dialog, id)); }

void ClickRow(QListWidget* list, int row) {
  ASSERT_TRUE(list);
  ASSERT_LT(row, list->count());
  const QRect where = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, where.center());
}

void ClickControl(const CWnd& dialog, int id) {
  QWidget* control = ControlOf(dialog, id);
  ASSERT_TRUE(control) << "no control " << id;
  QTest::mouseClick(control, Qt::LeftButton);
}

void TypeInto(QLineEdit* field, const QString& text) {
  ASSERT_TRUE(field);
  QTest::mouseClick(field, Qt::LeftButton);
  QTest::keyClicks(field, text);
}

void ReplaceText(QLineEdit* field, const QString& text) {
  ASSERT_TRUE(field);
  QTest::mouseClick(field, Qt::LeftButton);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, text);
}

bool WaitFor(std::function<bool()> condition, int timeoutMs) { return QTest::qWaitFor(condition, timeoutMs); }

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  // With no window manager nobody hands the activation back to a dialog
  // after a message box in front of it closes; the user would click it.
  if (QWidget* modal = QApplication::activeModalWidget()) {
    EXPECT_TRUE(Activate(modal));
  }
  QWidget* focus = QApplication::focusWidget();
  ASSERT_TRUE(focus) << "nothing has the keyboard focus";
  QTest::keyClick(focus, key, modifiers);
}

void HoverOver(QWidget* widget, QPoint pos) {
  if (pos == QPoint(-1, -1)) pos = widget->rect().center();
  QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

std::set<int> VisibleControlIds(const CWnd& dialog) {
  std::set<int> ids;
  for (QObject* child : WidgetOf(dialog)->children()) {
    auto* control = dynamic_cast<HWND__*>(child);
    if (control && control->id != IDC_STATIC && control->widget->isVisible()) ids.insert(control->id);
  }
  return ids;
}

bool AllUnnamedControlsVisible(const CWnd& dialog) {
  for (QObject* child : WidgetOf(dialog)->children()) {
    auto* control = dynamic_cast<HWND__*>(child);
    if (control && control->id == IDC_STATIC && !control->widget->isVisible()) return false;
  }
  return true;
}

QString WindowTextOf(QWidget* widget) {
  auto* window = dynamic_cast<HWND__*>(widget);
  return window ? ToQString(window->Text()) : QString();
}

int CountPixels(const QImage& image, QRgb colour) {
  const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
  int count = 0;
  for (int y = 0; y < pixels.height(); ++y) {
    for (int x = 0; x < pixels.width(); ++x) {
      if (pixels.pixel(x, y) == (colour | 0xFF000000u)) ++count;
    }
  }
  return count;
}

int LongestRun(const QImage& image, QRgb colour) {
  const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
  int longest = 0;
  for (int y = 0; y < pixels.height(); ++y) {
    int run = 0;
    for (int x = 0; x < pixels.width(); ++x) {
      run = pixels.pixel(x, y) == (colour | 0xFF000000u) ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}
