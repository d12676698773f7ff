// The framework's message box: the application's title as caption, the
// exclamation icon for an OK box asked without one, text shown as typed.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextDocument>

#include "tests/framework/gui_driving.h"
#include "tests/framework/recording_dialog.h"
#include "tests/support/modal_driver.h"

TEST(MessageBox, IsCaptionedWithTheApplicationTitleAndAnOkBoxGetsTheExclamationIcon) {
  // The test program has no application name of its own: the executable's name is the title.
  const QString title = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  struct Case {
    UINT type;
    QMessageBox::Icon icon;
  };
  for (const Case& c : {Case{MB_OK, QMessageBox::Warning}, Case{MB_ICONEXCLAMATION, QMessageBox::Warning},
                        Case{MB_OK | MB_ICONASTERISK, QMessageBox::Information}}) {
    SCOPED_TRACE(c.type);
    MessageBoxSeen seen;
    AnswerNextMessageBox(seen);
    EXPECT_EQ(AfxMessageBox("Input Error", c.type), IDOK);
    EXPECT_EQ(seen.title, title);
    EXPECT_EQ(seen.text, QStringLiteral("Input Error"));
    EXPECT_EQ(seen.icon, c.icon);
  }
}

TEST(MessageBox, ShowsItsTextLiterallyAndReturnsToTheDialogInFront) {
  const char* text = "<b>a</b> < b & c";
  ASSERT_TRUE(Qt::mightBeRichText(QString::fromUtf8(text)));  // would be markup if not plain
  CFormDlg dialog;
  Qt::TextFormat format = Qt::AutoText;
  QString shown;
  QWidget* owner = nullptr;
  dialog.onReceived = [&](CRecordingDlg&, Received r) {
    if (r.id != IDC_APPLY) return;
    OnNextModal([&](QWidget* window) {
      auto* box = qobject_cast<QMessageBox*>(window);
      ASSERT_NE(box, nullptr);
      format = box->textFormat();
      shown = box->text();
      owner = box->parentWidget();
      box->button(QMessageBox::Ok)->click();
    });
    AfxMessageBox(text);
  };
  QWidget* dialogWindow = nullptr;
  const INT_PTR result = RunModal(dialog, [&] {
    dialogWindow = WidgetOf(dialog);
    ClickAt(ControlOf(dialog, IDC_APPLY));
    PressKey(Qt::Key_Escape);  // the dialog is in front again and takes the keys
  });
  EXPECT_EQ(format, Qt::PlainText);
  EXPECT_EQ(shown, QString::fromUtf8(text));
  EXPECT_EQ(owner, dialogWindow);
  EXPECT_EQ(result, IDCANCEL);
}
