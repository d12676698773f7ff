#pragma once

#include "framework/afxwin.h"

// The application: runs the main dialog and ends when it closes.
class CVortexApp : public CWinApp {
 public:
  BOOL InitInstance() override;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();
};
