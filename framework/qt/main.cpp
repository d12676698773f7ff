#include "framework/qt/application.h"

int main(int argc, char** argv) { return framework_detail::RunApplication(argc, argv); }
