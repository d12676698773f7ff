// Fonts and device contexts: logical fonts, the stock system font of a fresh
// context, and the font a colour handler selects for a static.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

TEST(CFont, CreateFontIndirectAndGetLogFontRoundTrip) {
  LOGFONT description{};
  description.lfHeight = -17;
  description.lfWeight = FW_BOLD;
  description.lfItalic = TRUE;
  description.lfUnderline = TRUE;
  std::strcpy(description.lfFaceName, "Arial");
  CFont font;
  LOGFONT read{};
  EXPECT_EQ(font.GetLogFont(&read), 0) << "no font yet";
  ASSERT_TRUE(font.CreateFontIndirect(&description));
  EXPECT_EQ(font.GetLogFont(&read), static_cast<int>(sizeof(LOGFONT)));
  EXPECT_EQ(read.lfHeight, -17);
  EXPECT_EQ(read.lfWeight, FW_BOLD);
  EXPECT_EQ(read.lfItalic, TRUE);
  EXPECT_EQ(read.lfUnderline, TRUE);
  EXPECT_STREQ(read.lfFaceName, "Arial");
}

TEST(CDC, AFreshContextHoldsTheStockSystemFontNotTheDialogFont) {
  CFormDlg dialog;
  RunModal(dialog, [&] {
    const char* text = "Click Here to Visit";
    const int length = static_cast<int>(std::strlen(text));
    CFont* dialogFont = dialog.caption.GetFont();
    ASSERT_NE(dialogFont, nullptr);

    CDC* dc = dialog.caption.GetDC();
    const CSize systemExtent = dc->GetTextExtent(text, length);
    CFont* previous = dc->SelectObject(dialogFont);
    EXPECT_EQ(previous->GetSafeHandle(), GetStockObject(SYSTEM_FONT));
    const CSize dialogExtent = dc->GetTextExtent(text, length);
    EXPECT_EQ(dc->SelectObject(previous)->GetSafeHandle(), dialogFont->GetSafeHandle());
    dialog.caption.ReleaseDC(dc);
    EXPECT_NE(systemExtent.cx, dialogExtent.cx);

    // What one context selected does not carry over to the next.
    CDC* next = dialog.caption.GetDC();
    EXPECT_EQ(next->GetTextExtent(text, length).cx, systemExtent.cx);
    dialog.caption.ReleaseDC(next);
    PressKey(Key::Escape);
  });
}

namespace {

// Paints itself in red with an underlined copy of its window's font, made
// once, as a link label does.
class CUnderlinedStatic : public CStatic {
 public:
  bool underline = true;
  CFont underlined;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap() {
    static const MessageMap map = MessageMapBuilder<CUnderlinedStatic>(CStatic::GetThisMessageMap())
                                      .ReflectedCtlColor(&CUnderlinedStatic::CtlColor)
                                      .Build();
    return map;
  }

 private:
  HBRUSH CtlColor(CDC* dc, UINT) {
    dc->SetTextColor(RGB(255, 0, 0));
    if (underline) {
      if (!underlined.GetSafeHandle()) {
        LOGFONT description{};
        GetFont()->GetLogFont(&description);
        description.lfUnderline = TRUE;
        underlined.CreateFontIndirect(&description);
      }
      dc->SelectObject(&underlined);
    }
    dc->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  }
};

class CUnderlineDlg : public CRecordingDlg {
 public:
  CUnderlineDlg() : CRecordingDlg(IDD_FORM) {}
  CUnderlinedStatic caption;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    CRecordingDlg::DoDataExchange(dx);
    DDX_Control(dx, IDC_CAPTION, caption);
  }
};

// Text the test handlers colour pure red comes out red, or nearly so at its
// anti-aliased edges.
bool IsRedText(COLORREF pixel) { return GetRValue(pixel) > 200 && GetGValue(pixel) < 60 && GetBValue(pixel) < 60; }

// The longest horizontal run of red pixels: an underline runs under the
// whole text, no letter's stroke comes near.
int LongestRedRun(const Image& image) {
  int longest = 0;
  for (int y = 0; y < image.height; ++y) {
    int run = 0;
    for (int x = 0; x < image.width; ++x) {
      run = IsRedText(image.At(x, y)) ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

}  // namespace

TEST(CDC, TheFontAColourHandlerSelectsIsTheOneTheStaticPaintsWith) {
  CUnderlineDlg dialog;
  int underlinedRun = 0;
  int plainRun = 0;
  LONG textWidth = 0;
  LOGFONT description{};
  RunModal(dialog, [&] {
    CDC* dc = dialog.caption.GetDC();
    dc->SelectObject(dialog.caption.GetFont());
    textWidth = dc->GetTextExtent("Caption", 7).cx;
    dialog.caption.ReleaseDC(dc);
    underlinedRun = LongestRedRun(Grab(dialog, IDC_CAPTION));
    dialog.caption.underline = false;
    dialog.caption.Invalidate();
    plainRun = LongestRedRun(Grab(dialog, IDC_CAPTION));
    dialog.caption.underlined.GetLogFont(&description);
    PressKey(Key::Escape);
  });
  EXPECT_GE(underlinedRun, textWidth * 3 / 4);
  EXPECT_GT(plainRun, 0) << "the text itself is red";
  EXPECT_LT(plainRun, textWidth / 4);
  // The copy keeps the window's font: the template's Arial 10 at 96 dpi.
  EXPECT_STREQ(description.lfFaceName, "Arial");
  EXPECT_EQ(description.lfHeight, -13);
  EXPECT_EQ(description.lfUnderline, TRUE);
}
