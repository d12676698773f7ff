#include <cstdio>
#include <cstdlib>

#include "framework/internal/framework_access.h"

namespace {

const ResourceModule* registered = nullptr;

}  // namespace

void AfxSetResources(const ResourceModule& module) { registered = &module; }

namespace framework_detail {

const ResourceModule& Resources() {
  static const ResourceModule none{};
  return registered ? *registered : none;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
  for (const DialogTemplate* candidate : Resources().dialogs) {
    if (candidate->id == id) return candidate;
  }
  return nullptr;
}

void ProgrammingError(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::fflush(stderr);
  ShowProgrammingError(what);
  std::abort();
}

}  // namespace framework_detail
