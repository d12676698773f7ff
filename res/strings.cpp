// The string table.

#include <array>

#include "res/joined_text.h"
#include "res/program_identity.h"
#include "res/resource.h"
#include "res/resource_data.h"

namespace resources {
namespace {

// The About item of the main dialog's system menu.
constexpr std::array kAboutItemParts{"&About ", program_identity::kShortName, "..."};

constexpr StringResource kStrings[] = {
    {IDS_ABOUTBOX, kJoined<kAboutItemParts>.data()},
};

}  // namespace

constinit const std::span<const StringResource> kStringTable{kStrings};

}  // namespace resources
