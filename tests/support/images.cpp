// Reading what Grab returned, the same on every backend.

#include <algorithm>

#include "tests/support/gui_driver.h"

namespace gui_test {

int CountPixels(const Image& image, COLORREF colour) {
  return static_cast<int>(std::count(image.pixels.begin(), image.pixels.end(), colour));
}

int LongestRun(const Image& image, COLORREF colour) {
  int longest = 0;
  for (int y = 0; y < image.height; ++y) {
    int run = 0;
    for (int x = 0; x < image.width; ++x) {
      run = image.At(x, y) == colour ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

}  // namespace gui_test
