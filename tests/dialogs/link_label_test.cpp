// The link label on statics of every alignment, in a small dialog of the
// test's own made by the real framework: fitting to the text in the font it
// is drawn in, the target taken from the template text, and the tooltip
// following SetTarget.

#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "linklabel/link_label.h"
#include "res/resource_data.h"
#include "tests/support/gui_driver.h"
#include "tests/support/scripted_services.h"

using namespace gui_test;

namespace {

constexpr UINT kLabelsTemplateId = 9001;
constexpr int kLeft = 2001;
constexpr int kCentre = 2002;
constexpr int kRight = 2003;
constexpr int kCentreImage = 2004;
constexpr int kBlank = 2005;
constexpr int kAmpersand = 2006;

constexpr DialogItemTemplate kItems[] = {
    {ControlClass::Button, "Close", IDCANCEL, 150, 120, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {ControlClass::Static, "Left-aligned link", kLeft, 10, 10, 180, 8, SS_LEFT},
    {ControlClass::Static, "Centred link", kCentre, 10, 30, 180, 8, SS_CENTER},
    {ControlClass::Static, "Right-aligned link", kRight, 10, 50, 180, 8, SS_RIGHT},
    {ControlClass::Static, "Centred both ways", kCentreImage, 10, 70, 180, 24, SS_CENTER | SS_CENTERIMAGE},
    {ControlClass::Static, "", kBlank, 10, 100, 100, 8, SS_LEFT},
    {ControlClass::Static, "Fish & Chips & Co", kAmpersand, 10, 110, 100, 8, SS_LEFT},
};

constexpr DialogTemplate kLabelsTemplate{
    kLabelsTemplateId, "Link labels", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, "Arial", 10,
    0, 0, 210, 140, kItems};

// The program's resources (the link cursor), and this template.
class LabelsResources {
 public:
  LabelsResources() {
    const ResourceModule& program = resources::ProgramResources();
    module_ = program;
    module_.dialogs = dialogs_;
    AfxSetResources(module_);
  }
  ~LabelsResources() { AfxSetResources(resources::ProgramResources()); }
  LabelsResources(const LabelsResources&) = delete;
  LabelsResources& operator=(const LabelsResources&) = delete;

 private:
  const DialogTemplate* dialogs_[1] = {&kLabelsTemplate};
  ResourceModule module_{};
};

// A dialog that binds a link label to each static and remembers where each
// static was before its label fitted it.
class LabelsDlg : public CDialog {
 public:
  LabelsDlg() : CDialog(kLabelsTemplateId, nullptr) {}

  std::map<int, CLinkLabel*> Labels() {
    return {{kLeft, &left},     {kCentre, &centre}, {kRight, &right}, {kCentreImage, &centreImage},
            {kBlank, &blank}, {kAmpersand, &ampersand}};
  }

  std::map<int, RECT> templateRects;
  CLinkLabel left;
  CLinkLabel centre;
  CLinkLabel right;
  CLinkLabel centreImage;
  CLinkLabel blank;
  CLinkLabel ampersand;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    CDialog::DoDataExchange(dx);
    for (auto [id, label] : Labels()) {
      if (!templateRects.contains(id)) templateRects[id] = ControlRect(*this, id);
      DDX_Control(dx, id, *label);
    }
  }
};


class LinkLabelTest : public ::testing::Test {
 protected:
  // The text's extent in the font the labels draw in, the dialog's (a
  // fresh device context holds another).
  CSize DrawnExtent(const char* text) {
    CDC* dc = dialog.left.GetDC();
    CFont* previous = dc->SelectObject(dialog.left.GetFont());
    const CSize extent = dc->GetTextExtent(text, static_cast<int>(std::strlen(text)));
    dc->SelectObject(previous);
    dialog.left.ReleaseDC(dc);
    return extent;
  }

  LabelsResources resources;
  ScriptedServices services;
  LabelsDlg dialog;
};

TEST_F(LinkLabelTest, FitsLabelsOfEachAlignmentToTheirText) {
  RunModal(dialog, [&] {
    const RECT left = dialog.templateRects[kLeft];
    const CSize leftText = DrawnExtent("Left-aligned link");
    EXPECT_TRUE(ControlRect(dialog, kLeft) == (RECT{left.left, left.top, left.left + leftText.cx, left.top + leftText.cy}));

    const RECT centre = dialog.templateRects[kCentre];
    const CSize centreText = DrawnExtent("Centred link");
    const LONG inset = (centre.right - centre.left - centreText.cx) / 2;
    EXPECT_TRUE(ControlRect(dialog, kCentre) ==
                (RECT{centre.left + inset, centre.top, centre.right - inset, centre.top + centreText.cy}));

    const RECT right = dialog.templateRects[kRight];
    const CSize rightText = DrawnExtent("Right-aligned link");
    EXPECT_TRUE(ControlRect(dialog, kRight) == (RECT{right.right - rightText.cx, right.top, right.right, right.top + rightText.cy}));

    const RECT both = dialog.templateRects[kCentreImage];
    const CSize bothText = DrawnExtent("Centred both ways");
    const LONG sideInset = (both.right - both.left - bothText.cx) / 2;
    const LONG topInset = (both.bottom - both.top - bothText.cy) / 2;
    ASSERT_GT(topInset, 0) << "the static must be taller than its text";
    EXPECT_TRUE(ControlRect(dialog, kCentreImage) ==
                (RECT{both.left + sideInset, both.top + topInset, both.right - sideInset, both.bottom - topInset}));
    PressKey(Key::Escape);
  });
}

TEST_F(LinkLabelTest, ATextWiderThanACentredLabelGrowsItByHalvesTruncatedTowardZero) {
  RunModal(dialog, [&] {
    const CSize text = DrawnExtent("Centred both ways");
    // Seven pixels too narrow and five too low: the halvings are -3 and -2.
    dialog.centreImage.SetWindowPos(nullptr, 40, 60, text.cx - 7, text.cy - 5, SWP_NOZORDER);
    dialog.centreImage.SetFitToText(TRUE);
    EXPECT_TRUE(ControlRect(dialog, kCentreImage) == (RECT{37, 58, 37 + text.cx - 1, 58 + text.cy - 1}));
    PressKey(Key::Escape);
  });
}

TEST_F(LinkLabelTest, AnAmpersandIsShownAndTheUnderlinedTextSpansTheLabel) {
  RunModal(dialog, [&] {
    // Drawn as measured: no "&" taken for a mnemonic marker.
    const RECT rect = ControlRect(dialog, kAmpersand);
    EXPECT_GE(LongestRun(Grab(dialog, kAmpersand), RGB(0, 0, 238)), rect.right - rect.left - 2);
    PressKey(Key::Escape);
  });
}

TEST_F(LinkLabelTest, ALabelWithoutATargetOpensItsTemplateText) {
  services.shellResult = 42;
  RunModal(dialog, [&] {
    EXPECT_EQ(dialog.left.GetTarget().str(), "Left-aligned link");
    MoveMouse(dialog, kLeft);
    EXPECT_TRUE(WaitFor([] { return VisibleToolTip() == "Left-aligned link"; })) << "tooltip: " << VisibleToolTip();

    Click(dialog, kLeft);
    ASSERT_EQ(services.shellCalls.size(), 1u);
    EXPECT_EQ(services.shellCalls[0].target, "Left-aligned link");

    // A new target: the tooltip follows, the label keeps its text.
    dialog.left.SetTarget("https://example.org/left");
    MoveMouse(dialog, kRight);
    MoveMouse(dialog, kLeft);
    EXPECT_TRUE(WaitFor([] { return VisibleToolTip() == "https://example.org/left"; })) << "tooltip: " << VisibleToolTip();
    EXPECT_EQ(ControlText(dialog, kLeft), "Left-aligned link");
    MoveMouse(dialog, IDCANCEL);
    PressKey(Key::Escape);
  });
}

TEST_F(LinkLabelTest, ALabelWithoutTextShowsTheTargetItWasGiven) {
  RunModal(dialog, [&] {
    EXPECT_EQ(ControlText(dialog, kBlank), "");
    dialog.blank.SetTarget("https://example.org/blank");
    PressKey(Key::Escape);
  });
  RunModal(dialog, [&] {
    EXPECT_EQ(ControlText(dialog, kBlank), "https://example.org/blank");
    const RECT rect = ControlRect(dialog, kBlank);
    const CSize text = DrawnExtent("https://example.org/blank");
    EXPECT_EQ(rect.right - rect.left, text.cx);
    EXPECT_EQ(rect.bottom - rect.top, text.cy);
    PressKey(Key::Escape);
  });
}

}  // namespace
