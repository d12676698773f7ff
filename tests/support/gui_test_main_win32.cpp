// main() of the GUI test programs on Windows: the tests open their dialogs
// themselves; there is no application object to run.

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
