#include "platform/services.h"

#include <atomic>

#include "platform/desktop_services.h"

namespace platform {
namespace {

std::atomic<Services*> installed{nullptr};

}  // namespace

Services& System() {
  static DesktopServices desktop;
  Services* const chosen = installed.load();
  return chosen != nullptr ? *chosen : desktop;
}

void InstallServices(Services* services) { installed.store(services); }

}  // namespace platform
