// main() of the GUI test programs on Qt: the offscreen platform (no display
// needed) and the framework's application, then every test. The tests meet
// Qt's own file dialogs, which they can drive, never a desktop's.

#include <gtest/gtest.h>

#include "framework/qt/application.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  FrameworkApplication application(argc, argv);
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
