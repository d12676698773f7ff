#include "framework/win_app.h"

#include "framework/cstring.h"
#include "framework/internal/framework_access.h"
#include "framework/message_box.h"

namespace {

CWinApp* theApplication = nullptr;

}  // namespace

CWinApp::CWinApp() { theApplication = this; }

CWinApp::~CWinApp() {
  if (theApplication == this) theApplication = nullptr;
}

const MessageMap& CWinApp::GetThisMessageMap() {
  static const MessageMap map{&CCmdTarget::GetThisMessageMap(), {}};
  return map;
}

HICON CWinApp::LoadIcon(UINT id) const { return framework_detail::LoadIconResource(id); }

void CWinApp::OnHelp() {
  CString text;
  text.Format("No help file is installed for %s.", framework_detail::ApplicationTitle().c_str());
  AfxMessageBox(text, MB_ICONASTERISK);
}

CWinApp* AfxGetApp() { return theApplication; }
