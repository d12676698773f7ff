// Hands the program's resources to the framework.

#include "framework/resource_types.h"
#include "res/resource_data.h"

const ResourceModule& ModuleResources() {
  static constexpr const DialogTemplate* kDialogs[] = {
      &resources::kAboutBoxTemplate,    &resources::kMainSelectTemplate,
      &resources::kCalculatorTemplate,  &resources::kCorrelationTemplate,
      &resources::kContactTemplate,
  };
  static constexpr const IconResource* kIcons[] = {&resources::kMainFrameIcon};
  static constexpr const CursorResource* kCursors[] = {&resources::kLinkHandCursor};
  static const ResourceModule kModule{kDialogs, kIcons, kCursors, resources::kStringTable,
                                      &resources::kVersionInfo};
  return kModule;
}
