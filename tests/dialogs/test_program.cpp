// What the dialog tests share with the program: its resources, registered
// before any test runs, and an application object given no name, so that
// message boxes take their caption from the executable as the program's do.

#include "framework/afxwin.h"
#include "res/resource_data.h"

namespace {

[[maybe_unused]] const bool kRegistered = (AfxSetResources(resources::ProgramResources()), true);

CWinApp testApplication;

}  // namespace
