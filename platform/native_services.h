#pragma once
// The system's own services, the default behind System(). Each system's
// folder (freedesktop/, win32/) defines it; CMake builds the one that fits.

#include "platform/services.h"

namespace platform {

Services& NativeServices();

}  // namespace platform
