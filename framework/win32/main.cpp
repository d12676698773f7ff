#include "framework/win32/application.h"
#include "framework/win_types.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return framework_detail::RunApplication(); }
