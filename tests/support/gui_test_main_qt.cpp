// main() of the GUI test programs on Qt: the offscreen platform (no display
// needed) and the framework's application, then every test.

#include <gtest/gtest.h>

#include "framework/qt/application.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  FrameworkApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
