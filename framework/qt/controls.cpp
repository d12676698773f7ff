// What the shared list box, tooltip and message box operations ask of Qt.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include "framework/internal/framework_access.h"
#include "framework/internal/window_primitives.h"
#include "framework/qt/backend_constants.h"
#include "framework/qt/dialog_window.h"
#include "framework/qt/list_box_window.h"
#include "framework/qt/tooltip_window.h"

namespace {

// The shared operations hand these only windows of the right kind.
ListBoxWindow& ListOf(HWND hwnd) { return *WindowAs<ListBoxWindow>(hwnd); }
ToolTipWindow& TipOf(HWND hwnd) { return *WindowAs<ToolTipWindow>(hwnd); }

QMessageBox::Icon IconFor(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case MB_ICONASTERISK:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

namespace framework_detail {

bool DoIsListBox(HWND hwnd) { return WindowAs<ListBoxWindow>(hwnd) != nullptr; }

int DoListCount(HWND list) { return ListOf(list).count(); }

void DoListClear(HWND list) {
  ListBoxWindow& box = ListOf(list);
  box.Programmatic([&box] { box.clear(); });
}

void DoListInsert(HWND list, int row, const std::string& text) {
  ListBoxWindow& box = ListOf(list);
  box.Programmatic([&] { box.insertItem(row, QString::fromStdString(text)); });
}

int DoListSelection(HWND list) { return ListOf(list).SelectedRow(); }

void DoListSelect(HWND list, int row) {
  ListBoxWindow& box = ListOf(list);
  if (row < 0) {
    box.Programmatic([&box] { box.clearSelection(); });
  } else {
    box.Programmatic([&box, row] { box.setCurrentRow(row, QItemSelectionModel::ClearAndSelect); });
  }
}

HWND DoCreateToolTip(HWND owner, DWORD) { return new ToolTipWindow(owner->widget); }

bool DoAddTool(HWND tip, HWND window, UINT_PTR toolId, const RECT& rect, const std::string& text) {
  TipOf(tip).AddTool({window, toolId, rect, text});
  return true;
}

void DoUpdateTipText(HWND tip, HWND window, UINT_PTR toolId, const std::string& text) {
  TipOf(tip).UpdateText(window, toolId, text);
}

void DoRelayEvent(HWND tip, MSG* msg) { ::SendMessage(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }

int DoMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  QWidget* ownerWidget = owner ? owner->widget : nullptr;
  QMessageBox box(IconFor(type), QString::fromStdString(caption), QString::fromUtf8(text.c_str()),
                  QMessageBox::NoButton, ownerWidget);
  // A plain OK, without the check-mark icon some styles put on it: no
  // other button of the program has one.
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole)->setIcon(QIcon());
  box.setTextFormat(Qt::PlainText);
  box.exec();
  ReactivateOwner(ownerWidget);
  return IDOK;
}

}  // namespace framework_detail
