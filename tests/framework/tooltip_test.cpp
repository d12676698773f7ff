// Tooltips: a tool's text shown from relayed mouse messages after the initial
// delay while the pointer rests inside the tool's rectangle, its text
// updated, and the tooltip gone with its owner's window.

#include <gtest/gtest.h>

#include <chrono>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

namespace {

constexpr UINT_PTR kToolId = 1;

// A static with a tooltip over its left half, fed by the static's
// pre-translation, as a link label feeds its own.
class CTipStatic : public CStatic {
 public:
  CToolTipCtrl tip;
  CRect toolRect;

  void PreSubclassWindow() override {
    GetClientRect(&toolRect);
    toolRect.right = toolRect.Width() / 2;
    tip.Create(this);
    tip.AddTool(this, "left half", &toolRect, kToolId);
    CStatic::PreSubclassWindow();
  }
  BOOL PreTranslateMessage(MSG* msg) override {
    tip.RelayEvent(msg);
    return CStatic::PreTranslateMessage(msg);
  }
};

class CTipDlg : public CRecordingDlg {
 public:
  CTipDlg() : CRecordingDlg(IDD_FORM) {}
  CTipStatic label;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    CRecordingDlg::DoDataExchange(dx);
    DDX_Control(dx, IDC_NOTIFY_LABEL, label);
  }
};

bool TipShows(const std::string& text) {
  return WaitFor([&] { return VisibleToolTip() == text; });
}

bool TipHidden() {
  return WaitFor([] { return VisibleToolTip().empty(); });
}

}  // namespace

TEST(ToolTip, ShowsTheToolTextAfterTheInitialDelayWhileThePointerIsInsideTheTool) {
  CTipDlg dialog;
  RunModal(dialog, [&] {
    const RECT label = ControlRect(dialog, IDC_NOTIFY_LABEL);
    const LONG middle = (label.bottom - label.top) / 2;
    const auto start = std::chrono::steady_clock::now();
    MoveMouseTo(dialog, IDC_NOTIFY_LABEL, {2, middle});
    EXPECT_EQ(VisibleToolTip(), "");
    EXPECT_TRUE(TipShows("left half"));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(400));

    dialog.label.tip.UpdateTipText("renamed", &dialog.label, kToolId);
    EXPECT_TRUE(TipShows("renamed"));

    // Over the static, outside the tool: the tool's rectangle decides.
    MoveMouseTo(dialog, IDC_NOTIFY_LABEL, {label.right - label.left - 2, middle});
    EXPECT_TRUE(TipHidden());
    MoveMouseTo(dialog, IDC_NOTIFY_LABEL, {3, middle});
    EXPECT_TRUE(TipShows("renamed"));
    PressKey(Key::Escape);
  });
}

TEST(ToolTip, GoesWithItsOwnersWindowAndComesBackWithTheNext) {
  CTipDlg dialog;
  RunModal(dialog, [&] {
    MoveMouseTo(dialog, IDC_NOTIFY_LABEL, {2, 2});
    EXPECT_TRUE(TipShows("left half"));
    PressKey(Key::Escape);
  });
  EXPECT_TRUE(TipHidden());

  RunModal(dialog, [&] {
    MoveMouseTo(dialog, IDC_NOTIFY_LABEL, {3, 3});
    EXPECT_TRUE(TipShows("left half"));
    PressKey(Key::Escape);
  });
}
