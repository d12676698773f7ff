// Tooltips: tools registered with their text and rectangle, shown from
// relayed mouse messages after the initial delay, gone with their owner.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QToolTip>

#include "tests/framework/gui_driving.h"
#include "tests/framework/recording_dialog.h"
#include "tests/support/modal_driver.h"

namespace {

constexpr UINT_PTR kToolId = 1;
constexpr int kTimeoutMs = 3000;

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

// Relays a mouse move the static never received, so that only the tooltip's
// own tracking can act on it.
void RelayMouseMove(CTipStatic& label, QPoint at) {
  MSG msg;
  msg.hwnd = label.m_hWnd;
  msg.message = WM_MOUSEMOVE;
  msg.lParam = MAKELPARAM(static_cast<WORD>(at.x()), static_cast<WORD>(at.y()));
  const QPoint global = WidgetOf(label)->mapToGlobal(at);
  msg.pt = {global.x(), global.y()};
  label.tip.RelayEvent(&msg);
}

bool TipShows(const QString& text) {
  return QTest::qWaitFor([&] { return QToolTip::isVisible() && QToolTip::text() == text; }, kTimeoutMs);
}

bool TipHidden() {
  return QTest::qWaitFor([] { return !QToolTip::isVisible(); }, kTimeoutMs);
}

}  // namespace

TEST(ToolTip, RegistersUpdatesAndReportsTools) {
  CTipDlg dialog;
  RunModal(dialog, [&] {
    CToolTipCtrl& tip = dialog.label.tip;
    CString text;
    CRect rect;
    ASSERT_TRUE(tip.GetToolInfo(&dialog.label, kToolId, text, &rect));
    EXPECT_EQ(text, "left half");
    EXPECT_EQ(rect, dialog.label.toolRect);

    tip.UpdateTipText("renamed", &dialog.label, kToolId);
    ASSERT_TRUE(tip.GetToolInfo(&dialog.label, kToolId, text, &rect));
    EXPECT_EQ(text, "renamed");
    EXPECT_EQ(rect, dialog.label.toolRect);  // the text only

    EXPECT_FALSE(tip.GetToolInfo(&dialog.label, 2, text, &rect));
    EXPECT_FALSE(tip.GetToolInfo(&dialog, kToolId, text, &rect));
    EXPECT_TRUE(tip.AddTool(&dialog.label, "whole", nullptr, 2));  // no rectangle: the client area
    ASSERT_TRUE(tip.GetToolInfo(&dialog.label, 2, text, &rect));
    CRect client;
    dialog.label.GetClientRect(&client);
    EXPECT_EQ(rect, client);
    EXPECT_EQ(tip.GetToolCount(), 2);
  });
}

TEST(ToolTip, ShowsTheToolTextAfterTheInitialDelayWhileThePointerIsInsideTheTool) {
  CTipDlg dialog;
  RunModal(dialog, [&] {
    QWidget* label = ControlOf(dialog, IDC_NOTIFY_LABEL);
    const int middle = label->height() / 2;
    QElapsedTimer clock;
    clock.start();
    MoveMouseTo(label, QPoint(2, middle));  // relayed by the static's pre-translation
    EXPECT_FALSE(QToolTip::isVisible());
    EXPECT_TRUE(TipShows(QStringLiteral("left half")));
    EXPECT_GE(clock.elapsed(), 400);

    dialog.label.tip.UpdateTipText("renamed", &dialog.label, kToolId);
    EXPECT_TRUE(TipShows(QStringLiteral("renamed")));

    RelayMouseMove(dialog.label, QPoint(label->width() - 2, middle));  // over the static, outside the tool
    EXPECT_TRUE(TipHidden());
    RelayMouseMove(dialog.label, QPoint(3, middle));
    EXPECT_TRUE(TipShows(QStringLiteral("renamed")));
  });
}

TEST(ToolTip, GoesWithItsOwnersWindow) {
  CTipDlg dialog;
  RunModal(dialog, [&] {
    MoveMouseTo(ControlOf(dialog, IDC_NOTIFY_LABEL), QPoint(2, 2));
    EXPECT_TRUE(TipShows(QStringLiteral("left half")));
  });
  EXPECT_EQ(dialog.label.tip.m_hWnd, nullptr);
  EXPECT_EQ(dialog.label.tip.GetToolCount(), 0);
  EXPECT_TRUE(TipHidden());

  int toolsAtReopening = 0;
  RunModal(dialog, [&] { toolsAtReopening = dialog.label.tip.GetToolCount(); });
  EXPECT_EQ(toolsAtReopening, 1);
}
