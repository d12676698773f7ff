#include "framework/qt/resource_images.h"

#include <QBitmap>
#include <QImage>
#include <map>
#include <memory>

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

using LoadedImages = std::map<UINT, std::unique_ptr<HICON__>>;

}  // namespace

namespace framework_detail {

HICON LoadIconResource(UINT id) {
  static LoadedImages loaded;
  if (auto found = loaded.find(id); found != loaded.end()) return found->second.get();
  for (const IconResource* icon : framework_detail::Resources().icons) {
    if (icon->id != id) continue;
    auto handle = std::make_unique<HICON__>();
    handle->large = ImageFromRows(icon->large, false);
    handle->small = ImageFromRows(icon->small, false);
    return loaded.emplace(id, std::move(handle)).first->second.get();
  }
  return nullptr;
}

}  // namespace framework_detail

HCURSOR LoadCursorResource(UINT id) {
  static LoadedImages loaded;
  if (auto found = loaded.find(id); found != loaded.end()) return found->second.get();
  for (const CursorResource* cursor : framework_detail::Resources().cursors) {
    if (cursor->id != id) continue;
    auto handle = std::make_unique<HICON__>();
    handle->large = ImageFromRows(cursor->image, true);
    handle->cursor = QCursor(handle->large, cursor->hotSpotX, cursor->hotSpotY);
    return loaded.emplace(id, std::move(handle)).first->second.get();
  }
  return nullptr;
}
