#include "framework/qt/font_configuration_preload.h"

#include <dlfcn.h>

FontConfigurationPreload::FontConfigurationPreload() {
  // Looked up rather than linked: fontconfig is the toolkit's font back end,
  // present exactly when the toolkit brought it.
  using Init = int (*)();
  if (void* init = dlsym(RTLD_DEFAULT, "FcInit")) {
    loader_ = std::jthread([init] { reinterpret_cast<Init>(init)(); });
  }
}

void FontConfigurationPreload::FinishFontConfiguration() {
  if (loader_.joinable()) loader_.join();
}
