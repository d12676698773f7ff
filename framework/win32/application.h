#pragma once

namespace framework_detail {
// What WinMain does: runs the application object's InitInstance once; the
// program ends when it returns.
int RunApplication();
}  // namespace framework_detail
