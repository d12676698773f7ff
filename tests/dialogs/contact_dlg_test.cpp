// The contact dialog and its two link labels as a user meets them: their
// texts, colours, underline, hand cursor and tooltips, and what a click does,
// with the desktop's services scripted.

#include <gtest/gtest.h>

#include <QApplication>
#include <QToolTip>

#include "dialogs/contact_dlg.h"
#include "framework/qt/gdi_objects.h"
#include "res/contact_config.h"
#include "res/resource.h"
#include "tests/dialogs/dialog_driving.h"
#include "tests/support/scripted_services.h"

namespace {

constexpr QRgb kLinkColour = qRgb(0, 0, 238);
constexpr QRgb kFollowedColour = qRgb(85, 26, 139);

QImage Painted(QWidget* label) { return label->grab().toImage(); }

// The colour the label's text is drawn in, checked to be one of the two.
QRgb TextColour(QWidget* label) {
  const QImage image = Painted(label);
  const int link = CountPixels(image, kLinkColour);
  const int followed = CountPixels(image, kFollowedColour);
  EXPECT_TRUE((link > 0) != (followed > 0)) << "link pixels " << link << ", followed pixels " << followed;
  return followed > 0 ? kFollowedColour : kLinkColour;
}

class ContactDlgTest : public ::testing::Test {
 protected:
  QWidget* MailLabel() const { return ControlOf(contact, IDC_MAIL_LINK); }
  QWidget* WebLabel() const { return ControlOf(contact, IDC_WEB_LINK); }

  ScriptedServices services;
  CContactDlg contact;
  MessageBoxWatcher boxes;
};

TEST_F(ContactDlgTest, LabelsShowTheirAddressesAndTooltipsShowTheTargets) {
  for (int opening = 0; opening < 2; ++opening) {
    RunModal(contact, [&](QWidget*) {
      EXPECT_EQ(WindowTextOf(MailLabel()), QString("Click Here to Email:  ") + contact_config::kEmailAddress);
      EXPECT_EQ(WindowTextOf(WebLabel()), QString("Click Here to Visit:  ") + contact_config::kWebAddress);
      EXPECT_EQ(QApplication::focusWidget(), ControlOf(contact, IDCANCEL));

      HoverOver(MailLabel());
      EXPECT_TRUE(WaitFor([] { return QToolTip::text() == contact_config::kMailTarget; }))
          << "tooltip: " << QToolTip::text().toStdString();
      HoverOver(WebLabel());
      EXPECT_TRUE(WaitFor([] { return QToolTip::text() == contact_config::kWebAddress; }))
          << "tooltip: " << QToolTip::text().toStdString();
      QToolTip::hideText();
      PressKey(Qt::Key_Escape);
    });
  }
  EXPECT_TRUE(services.shellCalls.empty());
}

TEST_F(ContactDlgTest, LabelsAreUnderlinedInTheLinkColourUntilFollowed) {
  services.shellResult = 42;
  RunModal(contact, [&](QWidget* window) {
    EXPECT_EQ(TextColour(WebLabel()), kLinkColour);
    EXPECT_EQ(TextColour(MailLabel()), kLinkColour);
    // An underline is an unbroken line of the text's colour.
    EXPECT_GT(LongestRun(Painted(WebLabel()), kLinkColour), WebLabel()->width() / 2);
    EXPECT_GT(LongestRun(Painted(MailLabel()), kLinkColour), MailLabel()->width() / 2);

    ClickControl(contact, IDC_WEB_LINK);
    ASSERT_EQ(services.shellCalls.size(), 1u);
    EXPECT_EQ(services.shellCalls[0].verb, "open");
    EXPECT_EQ(services.shellCalls[0].target, contact_config::kWebAddress);
    EXPECT_EQ(services.shellCalls[0].showCommand, SW_SHOW);
    EXPECT_EQ(TextColour(WebLabel()), kFollowedColour);
    EXPECT_GT(LongestRun(Painted(WebLabel()), kFollowedColour), WebLabel()->width() / 2);
    EXPECT_EQ(TextColour(MailLabel()), kLinkColour);
    EXPECT_TRUE(window->isVisible());
    PressKey(Qt::Key_Escape);
  });
  RunModal(contact, [&](QWidget*) {
    EXPECT_EQ(TextColour(WebLabel()), kFollowedColour) << "followed survives reopening";
    EXPECT_EQ(TextColour(MailLabel()), kLinkColour);

    ClickControl(contact, IDC_MAIL_LINK);
    ASSERT_EQ(services.shellCalls.size(), 2u);
    EXPECT_EQ(services.shellCalls[1].target, contact_config::kMailTarget);
    EXPECT_EQ(TextColour(MailLabel()), kFollowedColour);
    PressKey(Qt::Key_Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(ContactDlgTest, AFailedClickShowsWhyAndLeavesTheDialogOpen) {
  services.shellResult = 2;  // and no browser registered
  RunModal(contact, [&](QWidget* window) {
    ClickControl(contact, IDC_WEB_LINK);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_EQ(boxes.Seen()[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(TextColour(WebLabel()), kLinkColour);

    // Followed, then failed: the link colour comes back at the next repaint.
    services.shellResult = 42;
    ClickControl(contact, IDC_WEB_LINK);
    ASSERT_EQ(TextColour(WebLabel()), kFollowedColour);
    services.shellResult = 32;  // the highest failure code
    ClickControl(contact, IDC_WEB_LINK);
    ASSERT_EQ(boxes.Seen().size(), 2u);
    EXPECT_TRUE(boxes.Seen()[1].text.endsWith("The specified dynamic-link library was not found."));
    EXPECT_EQ(TextColour(WebLabel()), kLinkColour);
    EXPECT_TRUE(window->isVisible());
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(ContactDlgTest, TheHandCursorShowsWhileThePointerIsOverALabel) {
  RunModal(contact, [&](QWidget* window) {
    HCURSOR hand = ::LoadCursor(IDC_LINK_HAND);
    ASSERT_TRUE(hand);
    for (QWidget* label : {MailLabel(), WebLabel()}) {
      HoverOver(label);
      const QCursor cursor = label->cursor();
      EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
      EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
      EXPECT_EQ(cursor.pixmap().toImage(), hand->large.toImage());
    }
    HoverOver(ControlOf(contact, IDCANCEL));
    EXPECT_NE(ControlOf(contact, IDCANCEL)->cursor().shape(), Qt::BitmapCursor);
    HoverOver(window, QPoint(2, 2));
    EXPECT_NE(window->cursor().shape(), Qt::BitmapCursor);
    PressKey(Qt::Key_Escape);
  });
}

}  // namespace
