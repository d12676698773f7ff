// A control's own notifications (a static's click, its colour request) are
// reflected to the control's wrapper, and the wrapper answers WM_SETCURSOR
// for its control.

#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>
#include <utility>
#include <vector>

#include "tests/framework/gui_driving.h"
#include "tests/framework/painted_pixels.h"
#include "tests/framework/recording_dialog.h"
#include "tests/support/modal_driver.h"

namespace {

// A static that handles its own click, colour request and cursor, as a link
// label does.
class CSelfHandlingStatic : public CStatic {
 public:
  int clicks = 0;
  int colourRequests = 0;
  bool giveBrush = true;
  std::vector<std::pair<UINT, UINT>> cursorRequests;  // hit-test code and mouse message
  CWnd* cursorWindow = nullptr;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap() {
    static const MessageMap map = MessageMapBuilder<CSelfHandlingStatic>(CStatic::GetThisMessageMap())
                                      .ReflectedNotification(STN_CLICKED, &CSelfHandlingStatic::OnClicked)
                                      .ReflectedCtlColor(&CSelfHandlingStatic::CtlColor)
                                      .SetCursor(&CSelfHandlingStatic::OnSetCursor)
                                      .Build();
    return map;
  }

 private:
  void OnClicked() { ++clicks; }
  HBRUSH CtlColor(CDC* dc, UINT) {
    ++colourRequests;
    dc->SetTextColor(RGB(255, 0, 0));
    return giveBrush ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)) : nullptr;
  }
  BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    cursorWindow = wnd;
    cursorRequests.emplace_back(hitTest, message);
    ::SetCursor(LoadCursor(IDC_TEST_CURSOR));
    return TRUE;
  }
};

// The form with its notify label bound to a CSelfHandlingStatic; counts the
// label's colour requests that reach the dialog's default processing.
class CReflectionDlg : public CRecordingDlg {
 public:
  CReflectionDlg() : CRecordingDlg(IDD_FORM) {}
  CSelfHandlingStatic label;
  int labelColourRequestsDefaulted = 0;

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == label.m_hWnd) ++labelColourRequestsDefaulted;
    return CRecordingDlg::DefWindowProc(message, wParam, lParam);
  }

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    CRecordingDlg::DoDataExchange(dx);
    DDX_Control(dx, IDC_NOTIFY_LABEL, label);
  }
};

// The pixels of the self-handling static's text colour.
int RedPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (IsRedText(image.pixelColor(x, y))) ++count;
    }
  }
  return count;
}

}  // namespace

TEST(Reflection, AStaticsClickGoesToItsWrapperInsteadOfTheParent) {
  CReflectionDlg reflecting;
  RunModal(reflecting, [&] { ClickAt(ControlOf(reflecting, IDC_NOTIFY_LABEL)); });
  EXPECT_EQ(reflecting.label.clicks, 1);
  EXPECT_TRUE(reflecting.received.empty());

  // Without a wrapper that handles it, the parent's map gets the click (and
  // the group box around the static does not swallow it).
  CFormDlg plain;
  RunModal(plain, [&] { ClickAt(ControlOf(plain, IDC_NOTIFY_LABEL)); });
  EXPECT_EQ(plain.received, (std::vector<Received>{{STN_CLICKED, IDC_NOTIFY_LABEL}}));
}

TEST(Reflection, TheColourRequestGoesToTheWrapperUnlessItGivesNoBrush) {
  CReflectionDlg dialog;
  CSelfHandlingStatic& label = dialog.label;
  RunModal(dialog, [&] {
    QWidget* widget = ControlOf(dialog, IDC_NOTIFY_LABEL);
    const int requestsBefore = label.colourRequests;
    const int defaultedBefore = dialog.labelColourRequestsDefaulted;
    EXPECT_GT(RedPixels(widget->grab().toImage()), 10);  // the wrapper's text colour
    EXPECT_EQ(label.colourRequests, requestsBefore + 1);
    EXPECT_EQ(dialog.labelColourRequestsDefaulted, defaultedBefore);

    // No brush: the parent answers, and its answer decides the colours.
    label.giveBrush = false;
    EXPECT_EQ(RedPixels(widget->grab().toImage()), 0);
    EXPECT_EQ(label.colourRequests, requestsBefore + 2);
    EXPECT_EQ(dialog.labelColourRequestsDefaulted, defaultedBefore + 1);
  });
}

TEST(SetCursor, TheControlsWrapperChoosesTheCursorShownOverIt) {
  CReflectionDlg dialog;
  bool labelCursorSet = false;
  QPoint hotSpot;
  bool buttonCursorSet = true;
  RunModal(dialog, [&] {
    QWidget* label = ControlOf(dialog, IDC_NOTIFY_LABEL);
    MoveMouseTo(label, QPoint(3, 3));
    labelCursorSet = label->testAttribute(Qt::WA_SetCursor);
    hotSpot = label->cursor().hotSpot();
    QWidget* button = ControlOf(dialog, IDC_APPLY);
    MoveMouseTo(button, QPoint(3, 3));
    buttonCursorSet = button->testAttribute(Qt::WA_SetCursor);
  });
  EXPECT_EQ(dialog.label.cursorRequests, (std::vector<std::pair<UINT, UINT>>{{HTCLIENT, WM_MOUSEMOVE}}));
  EXPECT_EQ(dialog.label.cursorWindow, &dialog.label);
  EXPECT_TRUE(labelCursorSet);
  EXPECT_EQ(hotSpot, QPoint(kTestCursorHotSpotX, kTestCursorHotSpotY));
  EXPECT_FALSE(buttonCursorSet);
}

TEST(Reflection, ADoubleClickOnAStaticIsOneClickThenADoubleClick) {
  // As the classic static reports it: a link label opens its target once.
  CFormDlg plain;
  RunModal(plain, [&] { DoubleClickAt(ControlOf(plain, IDC_NOTIFY_LABEL)); });
  EXPECT_EQ(plain.received, (std::vector<Received>{{STN_CLICKED, IDC_NOTIFY_LABEL}, {STN_DBLCLK, IDC_NOTIFY_LABEL}}));

  CReflectionDlg reflecting;
  RunModal(reflecting, [&] { DoubleClickAt(ControlOf(reflecting, IDC_NOTIFY_LABEL)); });
  EXPECT_EQ(reflecting.label.clicks, 1);
}
