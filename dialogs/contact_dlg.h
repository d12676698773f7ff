#pragma once
// How to reach the program's authors: an e-mail and a web link.

#include "framework/afxwin.h"
#include "linklabel/link_label.h"

class CContactDlg : public CDialog {
 public:
  explicit CContactDlg(CWnd* parent = nullptr);

 protected:
  void DoDataExchange(CDataExchange* dx) override;

 private:
  // Live as long as the dialog object, so a followed link stays followed.
  CLinkLabel webLink;
  CLinkLabel mailLink;
};
