// A control's own notifications (a static's click, its colour request) are
// reflected to the control's wrapper, and the wrapper answers WM_SETCURSOR
// for its control.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

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

class CReflectionDlg : public CRecordingDlg {
 public:
  CReflectionDlg() : CRecordingDlg(IDD_FORM) {}
  CSelfHandlingStatic label;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    CRecordingDlg::DoDataExchange(dx);
    DDX_Control(dx, IDC_NOTIFY_LABEL, label);
  }
};

// Pixels of the self-handling static's text colour: pure red, or nearly so
// at the text's anti-aliased edges.
int RedPixels(const Image& image) {
  int count = 0;
  for (const COLORREF pixel : image.pixels) {
    if (GetRValue(pixel) > 200 && GetGValue(pixel) < 60 && GetBValue(pixel) < 60) ++count;
  }
  return count;
}

}  // namespace

TEST(Reflection, AStaticsClickGoesToItsWrapperInsteadOfTheParent) {
  CReflectionDlg reflecting;
  RunModal(reflecting, [&] {
    Click(reflecting, IDC_NOTIFY_LABEL);
    PressKey(Key::Escape);
  });
  EXPECT_EQ(reflecting.label.clicks, 1);
  EXPECT_TRUE(reflecting.received.empty());

  // Without a wrapper that handles it, the parent's map gets the click (and
  // the group box around the static does not swallow it).
  CFormDlg plain;
  RunModal(plain, [&] {
    Click(plain, IDC_NOTIFY_LABEL);
    PressKey(Key::Escape);
  });
  EXPECT_EQ(plain.received, (std::vector<Received>{{STN_CLICKED, IDC_NOTIFY_LABEL}}));
}

TEST(Reflection, TheColourRequestGoesToTheWrapperUnlessItGivesNoBrush) {
  CReflectionDlg dialog;
  CSelfHandlingStatic& label = dialog.label;
  RunModal(dialog, [&] {
    const int requestsBefore = label.colourRequests;
    EXPECT_GT(RedPixels(Grab(dialog, IDC_NOTIFY_LABEL)), 10);  // the wrapper's text colour
    EXPECT_GT(label.colourRequests, requestsBefore);

    // No brush: the parent answers, and its answer decides the colours.
    label.giveBrush = false;
    const int requestsAsked = label.colourRequests;
    label.Invalidate();
    EXPECT_EQ(RedPixels(Grab(dialog, IDC_NOTIFY_LABEL)), 0);
    EXPECT_GT(label.colourRequests, requestsAsked) << "the wrapper is still asked first";
    PressKey(Key::Escape);
  });
}

TEST(SetCursor, TheControlsWrapperChoosesTheCursorShownOverIt) {
  CReflectionDlg dialog;
  HCURSOR overLabel = nullptr;
  HCURSOR overButton = nullptr;
  RunModal(dialog, [&] {
    MoveMouseTo(dialog, IDC_NOTIFY_LABEL, {3, 3});
    overLabel = CursorOver(dialog, IDC_NOTIFY_LABEL);
    MoveMouseTo(dialog, IDC_APPLY, {3, 3});
    overButton = CursorOver(dialog, IDC_APPLY);
    PressKey(Key::Escape);
  });
  ASSERT_FALSE(dialog.label.cursorRequests.empty());
  EXPECT_EQ(dialog.label.cursorRequests.front(), (std::pair<UINT, UINT>{HTCLIENT, WM_MOUSEMOVE}));
  EXPECT_EQ(dialog.label.cursorWindow, &dialog.label);
  EXPECT_EQ(overLabel, LoadCursor(IDC_TEST_CURSOR));
  const POINT hotSpot = CursorHotSpot(overLabel);
  EXPECT_EQ(hotSpot.x, kTestCursorHotSpotX);
  EXPECT_EQ(hotSpot.y, kTestCursorHotSpotY);
  EXPECT_EQ(overButton, nullptr);
}

TEST(Reflection, ADoubleClickOnAStaticIsOneClickThenADoubleClick) {
  // As the classic static reports it: a link label opens its target once.
  CFormDlg plain;
  RunModal(plain, [&] {
    DoubleClick(plain, IDC_NOTIFY_LABEL);
    PressKey(Key::Escape);
  });
  EXPECT_EQ(plain.received, (std::vector<Received>{{STN_CLICKED, IDC_NOTIFY_LABEL}, {STN_DBLCLK, IDC_NOTIFY_LABEL}}));

  CReflectionDlg reflecting;
  RunModal(reflecting, [&] {
    DoubleClick(reflecting, IDC_NOTIFY_LABEL);
    PressKey(Key::Escape);
  });
  EXPECT_EQ(reflecting.label.clicks, 1);
}
