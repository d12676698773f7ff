// The contact dialog and its two link labels as a user meets them: their
// texts, colours, underline, hand cursor and tooltips, and what a click or
// the keyboard does, with the desktop's services scripted.

#include <gtest/gtest.h>

#include "dialogs/contact_dlg.h"
#include "res/contact_config.h"
#include "res/resource.h"
#include "res/resource_data.h"
#include "tests/support/gui_driver.h"
#include "tests/support/scripted_services.h"

using namespace gui_test;

namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 238);
constexpr COLORREF kFollowedColour = RGB(85, 26, 139);

class ContactDlgTest : public ::testing::Test {
 protected:
  // The colour the label's text is drawn in, checked to be one of the two.
  COLORREF TextColour(int id) const {
    const Image image = Grab(contact, id);
    const int link = CountPixels(image, kLinkColour);
    const int followed = CountPixels(image, kFollowedColour);
    EXPECT_TRUE((link > 0) != (followed > 0)) << "link pixels " << link << ", followed pixels " << followed;
    return followed > 0 ? kFollowedColour : kLinkColour;
  }
  bool Underlined(int id, COLORREF colour) const {
    const RECT rect = ControlRect(contact, id);
    return LongestRun(Grab(contact, id), colour) > (rect.right - rect.left) / 2;
  }

  ScriptedServices services;
  CContactDlg contact;
  MessageBoxAnswerer boxes;
};

TEST_F(ContactDlgTest, LabelsShowTheirAddressesAndTooltipsShowTheTargets) {
  for (int opening = 0; opening < 2; ++opening) {
    RunModal(contact, [&] {
      EXPECT_EQ(ControlText(contact, IDC_MAIL_LINK), std::string("Click Here to Email:  ") + contact_config::kEmailAddress);
      EXPECT_EQ(ControlText(contact, IDC_WEB_LINK), std::string("Click Here to Visit:  ") + contact_config::kWebAddress);
      EXPECT_EQ(FocusedId(), IDCANCEL);

      MoveMouse(contact, IDC_MAIL_LINK);
      EXPECT_TRUE(WaitFor([] { return VisibleToolTip() == contact_config::kMailTarget; }))
          << "tooltip: " << VisibleToolTip();
      MoveMouse(contact, IDC_WEB_LINK);
      EXPECT_TRUE(WaitFor([] { return VisibleToolTip() == contact_config::kWebAddress; }))
          << "tooltip: " << VisibleToolTip();
      MoveMouse(contact, IDCANCEL);
      PressKey(Key::Escape);
    });
  }
  EXPECT_TRUE(services.shellCalls.empty());
}

TEST_F(ContactDlgTest, LabelsAreUnderlinedInTheLinkColourUntilFollowed) {
  services.shellResult = 42;
  RunModal(contact, [&] {
    EXPECT_EQ(TextColour(IDC_WEB_LINK), kLinkColour);
    EXPECT_EQ(TextColour(IDC_MAIL_LINK), kLinkColour);
    EXPECT_TRUE(Underlined(IDC_WEB_LINK, kLinkColour));
    EXPECT_TRUE(Underlined(IDC_MAIL_LINK, kLinkColour));

    Click(contact, IDC_WEB_LINK);
    ASSERT_EQ(services.shellCalls.size(), 1u);
    EXPECT_EQ(services.shellCalls[0].verb, "open");
    EXPECT_EQ(services.shellCalls[0].target, contact_config::kWebAddress);
    EXPECT_EQ(services.shellCalls[0].showCommand, SW_SHOW);
    EXPECT_EQ(TextColour(IDC_WEB_LINK), kFollowedColour);
    EXPECT_TRUE(Underlined(IDC_WEB_LINK, kFollowedColour));
    EXPECT_EQ(TextColour(IDC_MAIL_LINK), kLinkColour);
    EXPECT_TRUE(IsOpen(contact));
    PressKey(Key::Escape);
  });
  RunModal(contact, [&] {
    EXPECT_EQ(TextColour(IDC_WEB_LINK), kFollowedColour) << "followed survives reopening";
    EXPECT_EQ(TextColour(IDC_MAIL_LINK), kLinkColour);

    Click(contact, IDC_MAIL_LINK);
    ASSERT_EQ(services.shellCalls.size(), 2u);
    EXPECT_EQ(services.shellCalls[1].target, contact_config::kMailTarget);
    EXPECT_EQ(TextColour(IDC_MAIL_LINK), kFollowedColour);
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(ContactDlgTest, AFailedClickShowsWhyAndLeavesTheDialogOpen) {
  services.shellResult = 2;  // and no browser registered
  RunModal(contact, [&] {
    Click(contact, IDC_WEB_LINK);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_EQ(boxes.Seen()[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(IsOpen(contact));
    EXPECT_EQ(TextColour(IDC_WEB_LINK), kLinkColour);

    // Followed, then failed: the link colour comes back at the next repaint.
    services.shellResult = 42;
    Click(contact, IDC_WEB_LINK);
    ASSERT_EQ(TextColour(IDC_WEB_LINK), kFollowedColour);
    services.shellResult = 32;  // the highest failure code
    Click(contact, IDC_WEB_LINK);
    ASSERT_EQ(boxes.Seen().size(), 2u);
    EXPECT_TRUE(boxes.Seen()[1].text.ends_with("The specified dynamic-link library was not found."));
    EXPECT_EQ(TextColour(IDC_WEB_LINK), kLinkColour);
    EXPECT_TRUE(IsOpen(contact));
    PressKey(Key::Escape);
  });
}

TEST_F(ContactDlgTest, TheHandCursorShowsWhileThePointerIsOverALabel) {
  RunModal(contact, [&] {
    HCURSOR hand = LoadCursor(IDC_LINK_HAND);
    ASSERT_TRUE(hand);
    // Its hot spot is the finger tip: a drawn pixel of the image's topmost
    // drawn row, where the user points.
    const POINT hotSpot = CursorHotSpot(hand);
    const auto& image = resources::kLinkHandCursor.image;
    ASSERT_TRUE(hotSpot.x >= 0 && hotSpot.x < 32 && hotSpot.y >= 0 && hotSpot.y < 32);
    EXPECT_NE(image[hotSpot.y][hotSpot.x], '.') << hotSpot.x << "," << hotSpot.y;
    for (LONG y = 0; y < hotSpot.y; ++y) EXPECT_EQ(std::string(image[y]).find_first_not_of('.'), std::string::npos) << y;
    for (const int label : {IDC_MAIL_LINK, IDC_WEB_LINK}) {
      MoveMouse(contact, label);
      EXPECT_EQ(CursorOver(contact, label), hand) << label;
    }
    MoveMouse(contact, IDCANCEL);
    EXPECT_EQ(CursorOver(contact, IDCANCEL), nullptr);
    MoveMouseTo(contact, 0, {2, 2});
    EXPECT_EQ(CursorOver(contact, 0), nullptr);
    PressKey(Key::Escape);
  });
}

TEST_F(ContactDlgTest, TabReachesEachLinkWithAFocusRectangleAndEnterOrSpaceOpensIt) {
  services.shellResult = 42;
  RunModal(contact, [&] {
    ASSERT_EQ(FocusedId(), IDCANCEL);
    const Image mail = Grab(contact, IDC_MAIL_LINK);
    const Image web = Grab(contact, IDC_WEB_LINK);
    PressKey(Key::Tab);
    ASSERT_EQ(FocusedId(), IDC_MAIL_LINK);
    EXPECT_NE(Grab(contact, IDC_MAIL_LINK).pixels, mail.pixels) << "no focus rectangle on the e-mail link";
    PressKey(Key::Tab);
    ASSERT_EQ(FocusedId(), IDC_WEB_LINK);
    EXPECT_EQ(Grab(contact, IDC_MAIL_LINK).pixels, mail.pixels) << "the focus rectangle stays behind";
    EXPECT_NE(Grab(contact, IDC_WEB_LINK).pixels, web.pixels) << "no focus rectangle on the web link";
    EXPECT_TRUE(services.shellCalls.empty());

    PressKey(Key::Return);
    PressKey(Key::Tab, kShift);
    ASSERT_EQ(FocusedId(), IDC_MAIL_LINK);
    PressKey(Key::Space);
    ASSERT_EQ(services.shellCalls.size(), 2u);
    EXPECT_EQ(services.shellCalls[0].target, contact_config::kWebAddress);
    EXPECT_EQ(services.shellCalls[1].target, contact_config::kMailTarget);
    EXPECT_TRUE(IsOpen(contact)) << "Enter on a link must not close the dialog";
    PressKey(Key::Escape);
  });
}

TEST_F(ContactDlgTest, InHighContrastTheLinksTakeTheHotLightColour) {
  HIGHCONTRAST contrast{};
  contrast.cbSize = sizeof contrast;
  if (!SystemParametersInfo(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) ||
      !(contrast.dwFlags & HCF_HIGHCONTRASTON)) {
    GTEST_SKIP() << "high contrast is off, and neither Wine (no SPI_GETHIGHCONTRAST switch) nor Qt 6.4 (no such "
                    "setting) can turn it on: only a Windows session in high contrast shows this";
  }
  const COLORREF hotLight = GetSysColor(COLOR_HOTLIGHT);
  services.shellResult = 42;
  RunModal(contact, [&] {
    Click(contact, IDC_WEB_LINK);
    for (const int label : {IDC_MAIL_LINK, IDC_WEB_LINK}) {
      EXPECT_GT(CountPixels(Grab(contact, label), hotLight), 0) << label;
      EXPECT_TRUE(Underlined(label, hotLight)) << label;
    }
    PressKey(Key::Escape);
  });
}

}  // namespace
