// Template geometry in dialog units becomes pixels through the base units of
// the template's font, as the classic framework converts it.

#include <gtest/gtest.h>

#include "tests/framework/recording_dialog.h"
#include "tests/support/gui_driver.h"

using namespace gui_test;

namespace {

struct BaseUnits {
  int x;
  int y;
};

// "Arial" is served by the metric-compatible Liberation Sans. Its base units,
// read from the font file rather than from the code under test: the 52
// letters A-Z a-z are 394 px wide at 13 px (10 points at 96 dpi) and 576 px
// at 19 px (14 points), so x = (394 / 26 + 1) / 2 = 8 and (576 / 26 + 1) / 2
// = 11; a line is the ascent plus the descent, 1854 and 434 units of 2048 to
// the em, each rounded: 12 + 3 = 15 px and 17 + 4 = 21 px.
constexpr BaseUnits kArial10{8, 15};
constexpr BaseUnits kArial14{11, 21};

// units * base / divisor rounded to the nearest pixel, halves up.
int Pixels(int units, int base, int divisor) { return (2 * units * base + divisor) / (2 * divisor); }

RECT PixelRect(BaseUnits base, int x, int y, int cx, int cy) {
  const int left = Pixels(x, base.x, 4);
  const int top = Pixels(y, base.y, 8);
  return {left, top, left + Pixels(cx, base.x, 4), top + Pixels(cy, base.y, 8)};
}


}  // namespace

TEST(DialogUnits, ControlsAndClientAreaFollowTheTemplateFont) {
  struct Case {
    UINT templateId;
    BaseUnits base;
  };
  for (const Case& c : {Case{IDD_UNITS_SMALL, kArial10}, Case{IDD_UNITS_LARGE, kArial14}}) {
    SCOPED_TRACE(c.templateId);
    CRecordingDlg dialog(c.templateId);
    RunModal(dialog, [&] {
      const SIZE client = ClientSize(dialog);
      EXPECT_EQ(client.cx, Pixels(151, c.base.x, 4));
      EXPECT_EQ(client.cy, Pixels(93, c.base.y, 8));
      CRect clientRect;
      dialog.GetClientRect(&clientRect);
      EXPECT_EQ(clientRect.Width(), client.cx);

      EXPECT_TRUE(ControlRect(dialog, IDC_UNITS_BUTTON) == PixelRect(c.base, 7, 12, 51, 13));
      EXPECT_TRUE(ControlRect(dialog, IDC_UNITS_EDIT) == PixelRect(c.base, 13, 27, 33, 11));
      // An icon static is placed by the template but keeps its icon's size.
      const RECT iconAt = PixelRect(c.base, 60, 30, 0, 0);
      EXPECT_TRUE(ControlRect(dialog, IDC_UNITS_ICON) == (RECT{iconAt.left, iconAt.top, iconAt.left + 32, iconAt.top + 32}));
      PressKey(Key::Escape);
    });
  }
}
