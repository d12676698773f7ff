// Icons and cursors made from the program's resource data as system images:
// the cursor's monochrome planes, the icon's colour over its mask.

#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <span>
#include <vector>

#include "framework/internal/framework_access.h"
#include "framework/resource_colors.h"
#include "framework/win32/resource_images.h"
#include "framework/win32/window.h"

namespace {

// One bit a pixel, most significant first, rows padded to whole words.
class BitPlane {
 public:
  BitPlane(int size, bool fill)
      : stride_(static_cast<std::size_t>((size + 15) / 16 * 2)),
        bits_(stride_ * static_cast<std::size_t>(size), fill ? 0xFF : 0x00) {}

  void Set(int x, int y, bool on) {
    BYTE& byte = bits_[static_cast<std::size_t>(y) * stride_ + static_cast<std::size_t>(x / 8)];
    const auto mask = static_cast<BYTE>(0x80 >> (x % 8));
    byte = static_cast<BYTE>(on ? (byte | mask) : (byte & ~mask));
  }
  const BYTE* Data() const { return bits_.data(); }

 private:
  std::size_t stride_;
  std::vector<BYTE> bits_;
};

// A row shorter than the image is transparent beyond its end.
char PixelAt(std::span<const char* const> rows, int x, int y) {
  const char* row = rows[static_cast<std::size_t>(y)];
  const std::size_t length = row ? std::strlen(row) : 0;
  return static_cast<std::size_t>(x) < length ? row[x] : '.';
}

// An icon of the 16-colour image: 32-bit colour over a mask whose set bits
// are transparent.
HICON MakeIconImage(std::span<const char* const> rows) {
  const int size = static_cast<int>(rows.size());
  BitPlane mask(size, true);
  std::vector<std::uint32_t> colors(static_cast<std::size_t>(size * size), 0);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const PixelRgba pixel = IconPixelColor(PixelAt(rows, x, y));
      if (pixel.alpha == 0) continue;
      mask.Set(x, y, false);
      colors[static_cast<std::size_t>(y * size + x)] =
          0xFF000000u | (std::uint32_t{pixel.red} << 16) | (std::uint32_t{pixel.green} << 8) | pixel.blue;
    }
  }
  HBITMAP maskBitmap = CreateBitmap(size, size, 1, 1, mask.Data());
  HBITMAP colorBitmap = CreateBitmap(size, size, 1, 32, colors.data());
  ICONINFO info{TRUE, 0, 0, maskBitmap, colorBitmap};
  HICON icon = maskBitmap && colorBitmap ? CreateIconIndirect(&info) : nullptr;
  // The icon holds copies of both bitmaps.
  if (maskBitmap) DeleteObject(maskBitmap);
  if (colorBitmap) DeleteObject(colorBitmap);
  return icon;
}

}  // namespace

namespace framework_detail {

HICON MakeIcon(const IconResource& icon) { return MakeIconImage(icon.large); }

HCURSOR MakeCursor(const CursorResource& cursor) {
  const int size = static_cast<int>(cursor.image.size());
  BitPlane andPlane(size, true);
  BitPlane xorPlane(size, false);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const PixelRgba pixel = CursorPixelColor(PixelAt(cursor.image, x, y));
      if (pixel.alpha == 0) continue;
      andPlane.Set(x, y, false);
      xorPlane.Set(x, y, pixel.red != 0);
    }
  }
  return CreateCursor(ProgramInstance(), cursor.hotSpotX, cursor.hotSpotY, size, size, andPlane.Data(),
                      xorPlane.Data());
}

}  // namespace framework_detail

HICON SmallIconOf(HICON icon) {
  static std::map<HICON, HICON> small;
  if (auto found = small.find(icon); found != small.end()) return found->second;
  for (const IconResource* resource : framework_detail::Resources().icons) {
    if (framework_detail::LoadIconResource(resource->id) == icon) return small[icon] = MakeIconImage(resource->small);
  }
  return icon;
}
