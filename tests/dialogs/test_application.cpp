// The application object of the dialog tests. The main dialog loads its icon
// through the application, and message boxes take their caption from it; as
// in the program, it is given no name, so the title is the executable's.

#include "framework/win_app.h"

namespace {

CWinApp testApplication;

}  // namespace
