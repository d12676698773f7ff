#include "framework/win_app.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <string>

#include "framework/cstring.h"
#include "framework/message_box.h"
#include "framework/qt/application.h"
#include "framework/user.h"

namespace {

CWinApp* theApplication = nullptr;

}  // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) { theApplication = this; }

CWinApp::~CWinApp() {
  if (theApplication == this) theApplication = nullptr;
}

const MessageMap& CWinApp::GetThisMessageMap() {
  static const MessageMap map{&CCmdTarget::GetThisMessageMap(), {}};
  return map;
}

int CWinApp::Run() {
  QCoreApplication::exec();
  return ExitInstance();
}

HICON CWinApp::LoadIcon(UINT id) const { return ::LoadIcon(id); }

HCURSOR CWinApp::LoadCursor(UINT id) const { return ::LoadCursor(id); }

void CWinApp::OnHelp() {
  CString text;
  text.Format("No help file is installed for %s.", AfxGetAppName());
  AfxMessageBox(text, MB_ICONASTERISK);
}

CWinApp* AfxGetApp() { return theApplication; }

CWnd* AfxGetMainWnd() { return theApplication ? theApplication->m_pMainWnd : nullptr; }

const char* AfxGetAppName() {
  if (theApplication && theApplication->m_pszAppName) return theApplication->m_pszAppName;
  // The executable's name, as the classic framework takes the module's.
  static const std::string name = QCoreApplication::instance()
                                      ? QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString()
                                      : std::string();
  return name.c_str();
}

int AfxWinMain(int argc, char** argv) {
  FrameworkApplication application(argc, argv);
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  if (!app->m_pszAppName) app->m_pszAppName = AfxGetAppName();
  return app->InitInstance() ? app->Run() : app->ExitInstance();
}
