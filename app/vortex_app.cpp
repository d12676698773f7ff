#include "app/vortex_app.h"

#include "app/main_select_dlg.h"
#include "res/resource_data.h"

// The one application object; the framework takes its name from the executable.
CVortexApp theApp;

CVortexApp::CVortexApp() { AfxSetResources(resources::ProgramResources()); }

const MessageMap& CVortexApp::GetThisMessageMap() {
  static const MessageMap map =
      MessageMapBuilder<CVortexApp>(CWinApp::GetThisMessageMap()).Command(ID_HELP, &CWinApp::OnHelp).Build();
  return map;
}

BOOL CVortexApp::InitInstance() {
  AfxEnableControlContainer();
  Enable3dControls();

  CMainSelectDlg dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();

  // No message loop follows the dialog: returning false ends the program.
  return FALSE;
}
