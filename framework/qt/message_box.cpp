#include "framework/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "framework/internal/framework_access.h"
#include "framework/qt/dialog_window.h"

namespace {

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

int AfxMessageBox(const char* text, UINT type, UINT) {
  // An OK box asked without an icon gets the framework's default one.
  if ((type & MB_ICONMASK) == 0 && (type & MB_TYPEMASK) == MB_OK) type |= MB_ICONEXCLAMATION;
  QWidget* owner = DefaultModalOwner();
  QMessageBox box(IconFor(type), QString::fromStdString(framework_detail::ApplicationTitle()),
                  QString::fromUtf8(text ? text : ""), QMessageBox::NoButton, owner);
  // A plain OK, without the check-mark icon some styles put on it: no
  // other button of the program has one.
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole)->setIcon(QIcon());
  box.setTextFormat(Qt::PlainText);
  box.exec();
  ReactivateOwner(owner);
  return IDOK;
}
