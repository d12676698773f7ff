#pragma once
// The application object. Exactly one global object derives from CWinApp;
// at start the framework calls its InitInstance once, and the program ends
// when InitInstance returns (there is no message loop beyond the modal
// loops). A subclass overrides InitInstance and, to handle commands no
// dialog handles (ID_HELP), GetMessageMap.

#include "framework/cmd_target.h"

class CWnd;

class CWinApp : public CCmdTarget {
 public:
  CWinApp();
  ~CWinApp() override;

  virtual BOOL InitInstance() { return FALSE; }

  // The icon with this id in the program's resources; null when there is
  // none or the system cannot make it. Shared; nobody destroys it.
  HICON LoadIcon(UINT id) const;
  // The 3-D look is the system's own; kept for programs that ask for it.
  BOOL Enable3dControls() { return TRUE; }
  // Tells the user that no help file is installed.
  void OnHelp();

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

  // The main window, owner of dialogs that name no parent.
  CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
// Embedded controls need no set-up here; kept for programs that ask for it.
inline void AfxEnableControlContainer() {}
