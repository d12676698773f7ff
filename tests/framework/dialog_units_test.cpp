// Template geometry in dialog units becomes pixels through the base units of
// the template's font, as the classic framework converts it.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QWidget>

#include "tests/framework/gui_driving.h"
#include "tests/framework/recording_dialog.h"
#include "tests/support/modal_driver.h"

namespace {

struct BaseUnits {
  int x;
  int y;
};

// The classic base units: from the average width of the 52 letters, and the
// character height.
BaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(width / 26 + 1) / 2, metrics.height()};
}

// units * base / divisor rounded to the nearest pixel, halves up.
int Pixels(int units, int base, int divisor) { return (2 * units * base + divisor) / (2 * divisor); }

QRect PixelRect(BaseUnits base, int x, int y, int cx, int cy) {
  return {Pixels(x, base.x, 4), Pixels(y, base.y, 8), Pixels(cx, base.x, 4), Pixels(cy, base.y, 8)};
}

}  // namespace

TEST(DialogUnits, ControlsAndClientAreaFollowTheTemplateFont) {
  struct Case {
    UINT templateId;
    int pointSize;
  };
  for (const Case& c : {Case{IDD_UNITS_SMALL, 10}, Case{IDD_UNITS_LARGE, 14}}) {
    SCOPED_TRACE(c.pointSize);
    CRecordingDlg dialog(c.templateId);
    RunModal(dialog, [&] {
      const QWidget* window = WidgetOf(dialog);
      // Template points at 96 dots per inch; Arial is served metric-compatibly.
      EXPECT_EQ(window->font().pixelSize(), Pixels(c.pointSize, 96, 72));
      EXPECT_EQ(QFontInfo(window->font()).family(), QStringLiteral("Liberation Sans"));
      const BaseUnits base = BaseUnitsOf(window->font());

      CRect client;
      dialog.GetClientRect(&client);
      EXPECT_EQ(QSize(client.Width(), client.Height()), QSize(Pixels(151, base.x, 4), Pixels(93, base.y, 8)));
      EXPECT_EQ(window->size(), QSize(client.Width(), client.Height()));

      EXPECT_EQ(ControlOf(dialog, IDC_UNITS_BUTTON)->geometry(), PixelRect(base, 7, 12, 51, 13));
      EXPECT_EQ(ControlOf(dialog, IDC_UNITS_EDIT)->geometry(), PixelRect(base, 13, 27, 33, 11));
      // An icon static is placed by the template but keeps its icon's size.
      const QPoint iconAt = PixelRect(base, 60, 30, 0, 0).topLeft();
      EXPECT_EQ(ControlOf(dialog, IDC_UNITS_ICON)->geometry(), QRect(iconAt, QSize(32, 32)));
    });
  }
}
