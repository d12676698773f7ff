#include "platform/services.h"

#include <atomic>

#include "platform/native_services.h"

namespace platform {
namespace {

std::atomic<Services*> installed{nullptr};

}  // namespace

Services& System() {
  Services* const chosen = installed.load();
  return chosen != nullptr ? *chosen : NativeServices();
}

void InstallServices(Services* services) { installed.store(services); }

}  // namespace platform
