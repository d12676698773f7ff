#pragma once

#include <thread>

// Reading the font configuration (dozens of XML files, then the font caches)
// is the largest single cost of starting a program, and the toolkit does it
// on first use of a font, after connecting to the display. It needs nothing
// from the toolkit, so this reads it beside the toolkit's own start; the
// toolkit's later FcInit() then finds it done.
class FontConfigurationPreload {
 protected:
  FontConfigurationPreload();
  // Waits for the reading; call before the first font is used.
  void FinishFontConfiguration();

 private:
  std::jthread loader_;
};
