// The link label on statics of every alignment, in a small dialog of the
// test's own made by the real framework: fitting to the text, the target
// taken from the template text, and the tooltip following SetTarget.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QToolTip>
#include <map>

#include "framework/afxwin.h"
#include "framework/qt/gdi_objects.h"
#include "linklabel/link_label.h"
#include "tests/dialogs/dialog_driving.h"
#include "tests/support/scripted_services.h"

namespace {

constexpr int kLeft = 2001;
constexpr int kCentre = 2002;
constexpr int kRight = 2003;
constexpr int kCentreImage = 2004;
constexpr int kBlank = 2005;

constexpr DialogItemTemplate kItems[] = {
    {ControlClass::Button, "Close", IDCANCEL, 150, 120, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {ControlClass::Static, "Left-aligned link", kLeft, 10, 10, 180, 8, SS_LEFT},
    {ControlClass::Static, "Centred link", kCentre, 10, 30, 180, 8, SS_CENTER},
    {ControlClass::Static, "Right-aligned link", kRight, 10, 50, 180, 8, SS_RIGHT},
    {ControlClass::Static, "Centred both ways", kCentreImage, 10, 70, 180, 24, SS_CENTER | SS_CENTERIMAGE},
    {ControlClass::Static, "", kBlank, 10, 100, 100, 8, SS_LEFT},
};

const DialogTemplate kLabelsTemplate{
    9001, "Link labels", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, "Arial", 10, 0, 0,
    210, 140, kItems};

// A dialog that binds a link label to each static and remembers where each
// static was before its label fitted it.
class LabelsDlg : public CDialog {
 public:
  LabelsDlg() : CDialog(kLabelsTemplate, nullptr) {}

  std::map<int, CLinkLabel*> Labels() {
    return {{kLeft, &left}, {kCentre, &centre}, {kRight, &right}, {kCentreImage, &centreImage}, {kBlank, &blank}};
  }

  std::map<int, QRect> templateRects;
  CLinkLabel left;
  CLinkLabel centre;
  CLinkLabel right;
  CLinkLabel centreImage;
  CLinkLabel blank;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    CDialog::DoDataExchange(dx);
    for (auto [id, label] : Labels()) {
      if (!label->m_hWnd) templateRects[id] = ControlOf(*this, id)->geometry();
      DDX_Control(dx, id, *label);
    }
  }
};

// The text's extent in the font a fresh device context holds.
QSize StockExtent(const QString& text) {
  const QFontMetrics metrics(StockSystemFont()->font);
  return {metrics.horizontalAdvance(text), metrics.height()};
}

class LinkLabelTest : public ::testing::Test {
 protected:
  QWidget* Control(int id) const { return ControlOf(dialog, id); }

  ScriptedServices services;
  LabelsDlg dialog;
};

TEST_F(LinkLabelTest, FitsLabelsOfEachAlignmentToTheirText) {
  RunModal(dialog, [&](QWidget*) {
    const QRect left = dialog.templateRects[kLeft];
    const QSize leftText = StockExtent("Left-aligned link");
    EXPECT_EQ(Control(kLeft)->geometry(), QRect(left.topLeft(), leftText));

    const QRect centre = dialog.templateRects[kCentre];
    const QSize centreText = StockExtent("Centred link");
    const int inset = (centre.width() - centreText.width()) / 2;
    EXPECT_EQ(Control(kCentre)->geometry(),
              QRect(centre.left() + inset, centre.top(), centre.width() - 2 * inset, centreText.height()));

    const QRect right = dialog.templateRects[kRight];
    const QSize rightText = StockExtent("Right-aligned link");
    EXPECT_EQ(Control(kRight)->geometry(),
              QRect(right.left() + right.width() - rightText.width(), right.top(), rightText.width(), rightText.height()));

    const QRect both = dialog.templateRects[kCentreImage];
    const QSize bothText = StockExtent("Centred both ways");
    const int sideInset = (both.width() - bothText.width()) / 2;
    const int topInset = (both.height() - bothText.height()) / 2;
    ASSERT_GT(topInset, 0) << "the static must be taller than its text";
    EXPECT_EQ(Control(kCentreImage)->geometry(),
              QRect(both.left() + sideInset, both.top() + topInset, both.width() - 2 * sideInset,
                    both.height() - 2 * topInset));
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(LinkLabelTest, ATextWiderThanACentredLabelGrowsItByHalvesTruncatedTowardZero) {
  RunModal(dialog, [&](QWidget*) {
    const QSize text = StockExtent("Centred both ways");
    // Seven pixels too narrow and five too low: the halvings are -3 and -2.
    dialog.centreImage.SetWindowPos(nullptr, 40, 60, text.width() - 7, text.height() - 5, SWP_NOZORDER);
    dialog.centreImage.SetFitToText(TRUE);
    EXPECT_EQ(Control(kCentreImage)->geometry(), QRect(37, 58, text.width() - 1, text.height() - 1));
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(LinkLabelTest, ALabelWithoutATargetOpensItsTemplateText) {
  services.shellResult = 42;
  RunModal(dialog, [&](QWidget*) {
    EXPECT_EQ(dialog.left.GetTarget(), "Left-aligned link");
    HoverOver(Control(kLeft));
    EXPECT_TRUE(WaitFor([] { return QToolTip::text() == "Left-aligned link"; }));

    ClickControl(dialog, kLeft);
    ASSERT_EQ(services.shellCalls.size(), 1u);
    EXPECT_EQ(services.shellCalls[0].target, "Left-aligned link");

    // A new target: the tooltip follows, the label keeps its text.
    dialog.left.SetTarget("https://example.org/left");
    HoverOver(Control(kRight));
    HoverOver(Control(kLeft));
    EXPECT_TRUE(WaitFor([] { return QToolTip::text() == "https://example.org/left"; }))
        << "tooltip: " << QToolTip::text().toStdString();
    EXPECT_EQ(WindowTextOf(Control(kLeft)), "Left-aligned link");
    QToolTip::hideText();
    PressKey(Qt::Key_Escape);
  });
}

TEST_F(LinkLabelTest, ALabelWithoutTextShowsTheTargetItWasGiven) {
  RunModal(dialog, [&](QWidget*) {
    EXPECT_EQ(WindowTextOf(Control(kBlank)), "");
    dialog.blank.SetTarget("https://example.org/blank");
    PressKey(Qt::Key_Escape);
  });
  RunModal(dialog, [&](QWidget*) {
    EXPECT_EQ(WindowTextOf(Control(kBlank)), "https://example.org/blank");
    EXPECT_EQ(Control(kBlank)->size(), StockExtent("https://example.org/blank"));
    PressKey(Qt::Key_Escape);
  });
}

}  // namespace
