#pragma once
// The application object. Exactly one global object derives from CWinApp;
// the framework's main() calls its InitInstance once.

#include "framework/cmd_target.h"

class CWnd;

class CWinApp : public CCmdTarget {
 public:
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;

  virtual BOOL InitInstance() { return FALSE; }
  // The message loop, for applications whose InitInstance returns true.
  virtual int Run();
  virtual int ExitInstance() { return 0; }

  HICON LoadIcon(UINT id) const;
  HCURSOR LoadCursor(UINT id) const;

  // The 3-D look is the toolkit's own; kept for programs that ask for it.
  BOOL Enable3dControls() { return TRUE; }
  // Shows that no help file is installed.
  void OnHelp();

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

  CWnd* m_pMainWnd = nullptr;
  // The application's title; the executable's name when none is given.
  const char* m_pszAppName = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
const char* AfxGetAppName();
// Embedded controls need no set-up here; kept for programs that ask for it.
inline void AfxEnableControlContainer() {}
// Runs the application: what main() does.
int AfxWinMain(int argc, char** argv);
