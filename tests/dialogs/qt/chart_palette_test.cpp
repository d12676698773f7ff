// The chart draws in the desktop's colours: on a light-on-dark scheme its
// background is the scheme's dark window colour and its axes, text and curve
// stand out in the scheme's own ink and highlight. The picture is kept in the
// build folder (screening-chart-dark.png) for a person to look at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <algorithm>

#include "dialogs/screening_dlg.h"
#include "res/resource.h"
#include "tests/support/gui_driver_qt.h"

using namespace gui_test;

namespace {

// A dark scheme for the test's lifetime.
class DarkScheme {
 public:
  DarkScheme() : previous_(QApplication::palette()) {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Base, QColor(0x1c, 0x1c, 0x1c));
    dark.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    dark.setColor(QPalette::Button, QColor(0x40, 0x40, 0x40));
    dark.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
    QApplication::setPalette(dark);
  }
  ~DarkScheme() { QApplication::setPalette(previous_); }
  DarkScheme(const DarkScheme&) = delete;
  DarkScheme& operator=(const DarkScheme&) = delete;

 private:
  QPalette previous_;
};

int Near(const Image& image, COLORREF colour, int tolerance) {
  return static_cast<int>(std::ranges::count_if(image.pixels, [&](COLORREF pixel) {
    return std::abs(GetRValue(pixel) - GetRValue(colour)) <= tolerance &&
           std::abs(GetGValue(pixel) - GetGValue(colour)) <= tolerance &&
           std::abs(GetBValue(pixel) - GetBValue(colour)) <= tolerance;
  }));
}

}  // namespace

TEST(ChartPalette, OnADarkSchemeTheChartIsDarkWithLightInkAndAHighlightedCurve) {
  const DarkScheme scheme;
  CScreeningDlg screening;
  Image chart;
  RunModal(screening, [&] {
    ReplaceText(screening, IDC_VELOCITY, "1.5");
    ReplaceText(screening, IDC_DIAMETER, "0.1");
    ReplaceText(screening, IDC_NATURAL_FREQUENCY, "3");
    Click(screening, IDOK);
    chart = Grab(screening, IDC_CHART);
    WidgetOf(screening, 0)->grab().save(QStringLiteral("screening-chart-dark.png"));
    PressKey(Key::Escape);
  });
  ASSERT_GT(chart.width, 0);
  EXPECT_EQ(chart.At(1, 1), RGB(0x1c, 0x1c, 0x1c));
  EXPECT_GT(Near(chart, RGB(0xf0, 0xf0, 0xf0), 8), 200) << "axes and text in the scheme's ink";
  EXPECT_GT(Near(chart, RGB(0x3d, 0xae, 0xe9), 24), 200) << "the curve in the scheme's highlight";
}
