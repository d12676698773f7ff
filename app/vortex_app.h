#pragma once

#include "framework/afxwin.h"

// The application: runs the main dialog and ends when it closes.
class CVortexApp : public CWinApp {
 public:
  // Hands the program's resources to the framework.
  CVortexApp();

  BOOL InitInstance() override;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();
};
