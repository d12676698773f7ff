// The version record.

#include <array>

#include "res/program_identity.h"
#include "res/resource_data.h"

namespace resources {

// US English, Unicode code page: the classic language block "040904B0".
constinit const VersionResource kVersionInfo{
    "040904B0",
    std::to_array(program_identity::kVersion),
    std::to_array(program_identity::kVersion),
    program_identity::kAuthor,
    program_identity::kTitle,
    program_identity::kShortName,
    program_identity::kCopyright,
    "vortexcalc.exe",
    program_identity::kShortName,
};

}  // namespace resources
