#include "framework/qt/resource_images.h"

#include <QBitmap>
#include <QImage>
#include <map>
#include <memory>

#include "framework/qt/gdi_objects.h"
#include "framework/resource_types.h"

namespace {

constexpr QRgb kPalette[16] = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

// The colour of one pixel character; transparent for '.' and anything unknown.
QRgb PixelColor(char pixel, bool monochrome) {
  if (monochrome) {
    if (pixel == '#') return qRgb(0, 0, 0);
    if (pixel == 'o') return qRgb(255, 255, 255);
    return qRgba(0, 0, 0, 0);
  }
  if (pixel >= '0' && pixel <= '9') return kPalette[pixel - '0'];
  if (pixel >= 'a' && pixel <= 'f') return kPalette[pixel - 'a' + 10];
  return qRgba(0, 0, 0, 0);
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

HICON LoadIconResource(UINT id) {
  static LoadedImages loaded;
  if (auto found = loaded.find(id); found != loaded.end()) return found->second.get();
  for (const IconResource* icon : ModuleResources().icons) {
    if (icon->id != id) continue;
    auto handle = std::make_unique<HICON__>();
    handle->large = ImageFromRows(icon->large, false);
    handle->small = ImageFromRows(icon->small, false);
    return loaded.emplace(id, std::move(handle)).first->second.get();
  }
  return nullptr;
}

HCURSOR LoadCursorResource(UINT id) {
  static LoadedImages loaded;
  if (auto found = loaded.find(id); found != loaded.end()) return found->second.get();
  for (const CursorResource* cursor : ModuleResources().cursors) {
    if (cursor->id != id) continue;
    auto handle = std::make_unique<HICON__>();
    handle->large = ImageFromRows(cursor->image, true);
    handle->cursor = QCursor(handle->large, cursor->hotSpotX, cursor->hotSpotY);
    return loaded.emplace(id, std::move(handle)).first->second.get();
  }
  return nullptr;
}
