// The program's resources gathered into the module the framework reads.

#include "res/resource_data.h"

namespace resources {

const ResourceModule& ProgramResources() {
  static constexpr const DialogTemplate* kDialogs[] = {
      &kAboutBoxTemplate,   &kMainSelectTemplate, &kCalculatorTemplate,
      &kCorrelationTemplate, &kContactTemplate,   &kScreeningTemplate,
      &kResponseTemplate,
  };
  static constexpr const IconResource* kIcons[] = {&kMainFrameIcon};
  static constexpr const CursorResource* kCursors[] = {&kLinkHandCursor};
  static const ResourceModule kModule{kDialogs, kIcons, kCursors, kStringTable, &kVersionInfo};
  return kModule;
}

}  // namespace resources
