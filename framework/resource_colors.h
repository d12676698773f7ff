#pragma once
// The colours of the pixel characters of icon and cursor images (see
// resource_types.h). Free of any toolkit, so that build tools which turn the
// images into files show exactly what the program shows.

#include <array>
#include <cstddef>
#include <cstdint>

struct PixelRgba {
  std::uint8_t red, green, blue, alpha;
  friend constexpr bool operator==(const PixelRgba&, const PixelRgba&) = default;
};

inline constexpr PixelRgba kTransparentPixel{0, 0, 0, 0};

// The classic 16-colour palette, indexed by the pixel character's hex digit.
inline constexpr std::array<PixelRgba, 16> kIconPalette{{
    {0, 0, 0, 255},       {128, 0, 0, 255},   {0, 128, 0, 255},   {128, 128, 0, 255},
    {0, 0, 128, 255},     {128, 0, 128, 255}, {0, 128, 128, 255}, {192, 192, 192, 255},
    {128, 128, 128, 255}, {255, 0, 0, 255},   {0, 255, 0, 255},   {255, 255, 0, 255},
    {0, 0, 255, 255},     {255, 0, 255, 255}, {0, 255, 255, 255}, {255, 255, 255, 255},
}};

// An icon pixel: a palette colour, transparent for '.' and anything unknown.
constexpr PixelRgba IconPixelColor(char pixel) {
  if (pixel >= '0' && pixel <= '9') return kIconPalette[static_cast<std::size_t>(pixel - '0')];
  if (pixel >= 'a' && pixel <= 'f') return kIconPalette[static_cast<std::size_t>(pixel - 'a' + 10)];
  return kTransparentPixel;
}

// A monochrome cursor pixel: black, white, or transparent.
constexpr PixelRgba CursorPixelColor(char pixel) {
  if (pixel == '#') return {0, 0, 0, 255};
  if (pixel == 'o') return {255, 255, 255, 255};
  return kTransparentPixel;
}
