#pragma once

#include "framework/afxwin.h"

// The About box: the program's name, version and rights notice.
class CAboutBox : public CDialog {
 public:
  CAboutBox();
};
