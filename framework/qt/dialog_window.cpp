#include "framework/qt/dialog_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

#include "framework/dc.h"
#include "framework/internal/framework_access.h"
#include "framework/qt/accessibility.h"
#include "framework/qt/backend_constants.h"
#include "framework/qt/button_window.h"
#include "framework/qt/dialog_units.h"
#include "framework/qt/edit_window.h"
#include "framework/qt/group_box_window.h"
#include "framework/qt/list_box_window.h"
#include "framework/qt/static_window.h"
#include "framework/wnd.h"

namespace {

QWidget* CreateControl(QWidget* parent, const DialogItemTemplate& item) {
  const QString text = QString::fromUtf8(item.text ? item.text : "");
  switch (item.windowClass) {
    case ControlClass::Button:
      if ((item.style & BS_TYPEMASK) == BS_GROUPBOX) {
        return new GroupBoxWindow(parent, item.id, item.style, item.exStyle, text);
      }
      return new ButtonWindow(parent, item.id, item.style, item.exStyle, text);
    case ControlClass::Edit: {
      auto* edit = new EditWindow(parent, item.id, item.style, item.exStyle);
      edit->setText(text);
      return edit;
    }
    case ControlClass::ListBox:
      return new ListBoxWindow(parent, item.id, item.style, item.exStyle);
    case ControlClass::Static:
      return new StaticWindow(parent, item.id, item.style, item.exStyle, item.text ? item.text : "");
  }
  return nullptr;
}

}  // namespace

void ReactivateOwner(QWidget* owner) {
  if (owner && owner->isVisible()) owner->activateWindow();
}

DialogWindow::DialogWindow(QWidget* owner, const DialogTemplate& dialogTemplate)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      HWND__(this, 0, dialogTemplate.style, dialogTemplate.exStyle),
      font_(TemplateLogFont(dialogTemplate.fontFace, dialogTemplate.pointSize)) {
  hfont = &font_;
  setFont(font_.font);
  setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
  ResetSystemMenu();
  CreateControls(dialogTemplate);
  NameControlsByLabels(this);
}

void DialogWindow::CreateControls(const DialogTemplate& dialogTemplate) {
  const DialogBaseUnits units = DialogBaseUnits::Of(font_.font);
  setFixedSize(units.ToPixels(dialogTemplate.cx, dialogTemplate.cy));
  std::vector<QWidget*> groups;
  for (const DialogItemTemplate& item : dialogTemplate.items) {
    QWidget* control = CreateControl(this, item);
    WindowOfObject(control)->hfont = &font_;
    const QRect area = units.ToPixels(item.x, item.y, item.cx, item.cy);
    if (item.windowClass == ControlClass::Static && (item.style & SS_TYPEMASK) == SS_ICON) {
      control->move(area.topLeft());  // an icon keeps its own size
    } else {
      control->setGeometry(area);
    }
    if (item.style & WS_DISABLED) control->setEnabled(false);
    // Statics decide for themselves: only a link takes the keyboard.
    if (item.windowClass != ControlClass::Static && control->focusPolicy() != Qt::NoFocus) {
      control->setFocusPolicy((item.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    }
    if (item.windowClass == ControlClass::Button && (item.style & BS_TYPEMASK) == BS_GROUPBOX) {
      groups.push_back(control);
    }
  }
  // Frames stay beneath the controls they surround, whatever their order.
  for (QWidget* group : groups) group->lower();
}

void DialogWindow::ChildTextChanged() { NameControlsByLabels(this); }

void DialogWindow::ResetSystemMenu() {
  systemMenu_.items = {{MF_STRING, SC_RESTORE, "&Restore"},
                       {MF_STRING, SC_MINIMIZE, "Mi&nimize"},
                       {MF_SEPARATOR, 0, {}},
                       {MF_STRING, SC_CLOSE, "&Close\tAlt+F4"}};
}

HMENU DialogWindow::SystemMenu(bool revert) {
  if (revert) {
    ResetSystemMenu();
    return nullptr;
  }
  return &systemMenu_;
}

void DialogWindow::ShowSystemMenu(const QPoint& globalPosition) {
  QMenu menu(this);
  const bool minimized = isMinimized();
  for (const HMENU__::Item& item : systemMenu_.items) {
    if (item.flags & MF_SEPARATOR) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(ToQString(item.text));
    action->setData(QVariant::fromValue<qulonglong>(item.id));
    if (item.id == SC_RESTORE) action->setEnabled(minimized);
    if (item.id == SC_MINIMIZE) action->setEnabled(!minimized);
  }
  const QAction* chosen = menu.exec(globalPosition);
  if (!chosen) return;
  const auto command = static_cast<WPARAM>(chosen->data().toULongLong());
  ::SendMessage(this, WM_SYSCOMMAND, command,
                MAKELPARAM(static_cast<WORD>(globalPosition.x()), static_cast<WORD>(globalPosition.y())));
}

HICON DialogWindow::SetIcon(HICON icon, bool big) {
  HICON& slot = big ? bigIcon_ : smallIcon_;
  HICON previous = slot;
  slot = icon;
  QIcon windowIconSet;
  if (bigIcon_) windowIconSet.addPixmap(bigIcon_->large);
  if (smallIcon_) windowIconSet.addPixmap(smallIcon_->small);
  setWindowIcon(windowIconSet);
  return previous;
}

void DialogWindow::FocusFirstTabStop() {
  for (QObject* object : children()) {
    HWND hwnd = WindowOfObject(object);
    if (!hwnd || !(hwnd->styleBits & WS_TABSTOP)) continue;
    if (hwnd->widget->isHidden() || !hwnd->widget->isEnabled()) continue;
    hwnd->widget->setFocus(Qt::TabFocusReason);
    return;
  }
}

int DialogWindow::DefaultButtonId() const {
  for (QObject* object : children()) {
    auto* button = WindowAs<ButtonWindow>(WindowOfObject(object));
    if (button && button->IsDefault()) return button->id;
  }
  return IDOK;
}

INT_PTR DialogWindow::RunModal() {
  if (!ended_) {
    exec();
    ReactivateOwner(parentWidget());
  }
  return result_;
}

void DialogWindow::End(INT_PTR result) {
  result_ = result;
  ended_ = true;
  if (isVisible()) done(0);
}

LRESULT DialogWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE:
          ::SendMessage(this, WM_CLOSE);
          break;
        case SC_MINIMIZE:
          showMinimized();
          break;
        case SC_RESTORE:
          showNormal();
          break;
        default:
          break;
      }
      return 0;
    case WM_CLOSE:
      // Closing a dialog is cancelling it.
      SendCommand(this, IDCANCEL, BN_CLICKED, Child(IDCANCEL));
      return 0;
    case WM_CTLCOLORSTATIC:
      // The dialog's own answer sets its own text colour, whatever a
      // reflected handler that gave no brush had set before.
      if (auto* dc = reinterpret_cast<CDC*>(wParam)) {
        dc->SetTextColor(ToColorRef(palette().color(QPalette::WindowText)));
      }
      return reinterpret_cast<LRESULT>(DialogBackgroundBrush());
    case WM_ICONERASEBKGND:
      if (auto* dc = reinterpret_cast<HDC>(wParam); dc && dc->painter) dc->painter->fillRect(rect(), palette().window());
      return TRUE;
    default:
      return HWND__::DefaultProc(message, wParam, lParam);
  }
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  // The close box is a system command, which the program may handle.
  event->ignore();
  ::SendMessage(this, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DialogWindow::paintEvent(QPaintEvent*) { ::SendMessage(this, WM_PAINT); }

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
  // A right click on the background (or on text that lets the mouse through).
  if (event->reason() == QContextMenuEvent::Mouse && !childAt(event->pos())) {
    ShowSystemMenu(event->globalPos());
  }
}
