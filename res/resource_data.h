#pragma once
// The program's resource objects, each defined in its own file and gathered
// by ProgramResources(). All are constant-initialised, so they may be read at
// any time, static initialisation included.

#include <span>

#include "framework/resource_types.h"

namespace resources {

extern const DialogTemplate kAboutBoxTemplate;     // 100
extern const DialogTemplate kMainSelectTemplate;   // 102
extern const DialogTemplate kCalculatorTemplate;   // 129
extern const DialogTemplate kCorrelationTemplate;  // 130
extern const DialogTemplate kContactTemplate;      // 132
extern const DialogTemplate kScreeningTemplate;    // 134
extern const DialogTemplate kResponseTemplate;     // 136

extern const IconResource kMainFrameIcon;    // 128
extern const CursorResource kLinkHandCursor;  // 131

extern const std::span<const StringResource> kStringTable;
extern const VersionResource kVersionInfo;

// Everything above as one module, for AfxSetResources.
const ResourceModule& ProgramResources();

}  // namespace resources
