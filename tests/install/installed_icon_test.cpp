// The icon theme's installed images: the PNG files show the program's own
// icon pixel for pixel, and the scalable one is a well-formed square SVG.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <array>
#include <string>
#include <string_view>

#include "framework/resource_colors.h"
#include "res/resource_data.h"

namespace {

QString InstalledIcon(const std::string& sizeFolder, const char* extension) {
  return QString::fromStdString(std::string(VORTEX_INSTALLED_ICONS) + "/" + sizeFolder + "/apps/" + VORTEX_APP_ID +
                                extension);
}

// Every pixel of the file against the resource's character for it; reports
// the first mismatch and how many there are.
template <std::size_t N>
void ExpectShowsImage(const QString& path, const std::array<const char*, N>& rows) {
  const QImage image(path);
  ASSERT_FALSE(image.isNull()) << "cannot read " << path.toStdString();
  ASSERT_EQ(image.width(), static_cast<int>(N));
  ASSERT_EQ(image.height(), static_cast<int>(N));
  int mismatches = 0;
  std::string first;
  for (std::size_t y = 0; y < N; ++y) {
    const std::string_view row = rows[y];
    for (std::size_t x = 0; x < N; ++x) {
      const PixelRgba want = x < row.size() ? IconPixelColor(row[x]) : kTransparentPixel;
      const QRgb got = image.pixel(static_cast<int>(x), static_cast<int>(y));
      const bool same = want.alpha == 0 ? qAlpha(got) == 0
                                        : got == qRgba(want.red, want.green, want.blue, want.alpha);
      if (!same && mismatches++ == 0)
        first = "(" + std::to_string(x) + "," + std::to_string(y) + ") is #" +
                QString::number(got, 16).toStdString() + " for '" + std::string(row.substr(x, 1)) + "'";
    }
  }
  EXPECT_EQ(mismatches, 0) << "first: " << first;
}

TEST(InstalledIcon, SixteenPixelPngShowsTheSmallImage) {
  ExpectShowsImage(InstalledIcon("16x16", ".png"), resources::kMainFrameIcon.small);
}

TEST(InstalledIcon, ThirtyTwoPixelPngShowsTheLargeImage) {
  ExpectShowsImage(InstalledIcon("32x32", ".png"), resources::kMainFrameIcon.large);
}

TEST(InstalledIcon, ScalableIconIsAWellFormedSquareSvg) {
  QFile file(InstalledIcon("scalable", ".svg"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  QXmlStreamReader xml(&file);
  ASSERT_TRUE(xml.readNextStartElement());
  EXPECT_EQ(xml.name(), QStringLiteral("svg"));
  EXPECT_EQ(xml.namespaceUri(), QStringLiteral("http://www.w3.org/2000/svg"));
  const QStringList viewBox = xml.attributes().value("viewBox").toString().split(' ', Qt::SkipEmptyParts);
  ASSERT_EQ(viewBox.size(), 4);
  EXPECT_EQ(viewBox[2].toStdString(), viewBox[3].toStdString()) << "the icon theme scales a square";
  while (!xml.atEnd()) xml.readNext();
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line " << xml.lineNumber();
}

}  // namespace
