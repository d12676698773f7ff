// Writes one image of the program's icon (icon 128) as a PNG file for the
// desktop's icon theme:  app_icon_png 16|32 OUTPUT.png

#include <QImage>
#include <QString>
#include <array>
#include <cstdio>
#include <string_view>

#include "framework/resource_colors.h"
#include "res/resource_data.h"

namespace {

template <std::size_t N>
QImage ImageFromRows(const std::array<const char*, N>& rows) {
  QImage image(static_cast<int>(N), static_cast<int>(N), QImage::Format_ARGB32);
  for (std::size_t y = 0; y < N; ++y) {
    const std::string_view row = rows[y] ? rows[y] : "";
    for (std::size_t x = 0; x < N; ++x) {
      const PixelRgba color = x < row.size() ? IconPixelColor(row[x]) : kTransparentPixel;
      image.setPixel(static_cast<int>(x), static_cast<int>(y), qRgba(color.red, color.green, color.blue, color.alpha));
    }
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view size = argc == 3 ? argv[1] : "";
  if (size != "16" && size != "32") {
    std::fputs("usage: app_icon_png 16|32 OUTPUT.png\n", stderr);
    return 2;
  }
  const IconResource& icon = resources::kMainFrameIcon;
  const QImage image = size == "32" ? ImageFromRows(icon.large) : ImageFromRows(icon.small);
  if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "app_icon_png: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
