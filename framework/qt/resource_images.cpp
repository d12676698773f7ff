// Icons and cursors made from the program's resource data as Qt images.

#include <QBitmap>
#include <QImage>
#include <memory>
#include <vector>

#include "framework/internal/framework_access.h"
#include "framework/qt/gdi_objects.h"
#include "framework/resource_colors.h"
#include "framework/resource_types.h"

namespace {

// The colour of one pixel character; transparent for '.' and anything unknown.
QRgb PixelColor(char pixel, bool monochrome) {
  const PixelRgba color = monochrome ? CursorPixelColor(pixel) : IconPixelColor(pixel);
  return qRgba(color.red, color.green, color.blue, color.alpha);
}

template <std::size_t N>
QPixmap ImageFromRows(const std::array<const char*, N>& rows, bool monochrome) {
  const int size = static_cast<int>(N);
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < size; ++y) {
    const char* row = rows[static_cast<std::size_t>(y)];
    for (int x = 0; x < size && row && row[x]; ++x) image.setPixel(x, y, PixelColor(row[x], monochrome));
  }
  return QPixmap::fromImage(image);
}

// The images live until the program ends, the shared cache handing out
// their handles; kept here, they are freed at exit.
HICON Kept(std::unique_ptr<HICON__> image) {
  static std::vector<std::unique_ptr<HICON__>> kept;
  return kept.emplace_back(std::move(image)).get();
}

}  // namespace

namespace framework_detail {

HICON MakeIcon(const IconResource& icon) {
  auto handle = std::make_unique<HICON__>();
  handle->large = ImageFromRows(icon.large, false);
  handle->small = ImageFromRows(icon.small, false);
  return Kept(std::move(handle));
}

HCURSOR MakeCursor(const CursorResource& cursor) {
  auto handle = std::make_unique<HICON__>();
  handle->large = ImageFromRows(cursor.image, true);
  handle->cursor = QCursor(handle->large, cursor.hotSpotX, cursor.hotSpotY);
  return Kept(std::move(handle));
}

}  // namespace framework_detail
