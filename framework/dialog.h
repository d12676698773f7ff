#pragma once
// Modal dialogs made from templates, and the binding of control wrappers.
//
// A dialog class derives from CDialog, names its template id, binds its
// wrappers in DoDataExchange (calling the base first) and may override
// OnInitDialog (calling the base first, which runs DoDataExchange), OnOK and
// OnCancel. The base OnOK runs DoDataExchange again and ends the dialog with
// IDOK; the base OnCancel ends it with IDCANCEL. Enter, Escape and the close
// box are the framework's: Enter presses the focused push button, else the
// default push button, else sends IDOK; Escape and the close box send
// IDCANCEL.

#include "framework/wnd.h"

// What DoDataExchange is handed; only DDX_Control reads it.
class CDataExchange;

// Binds wrapper to the dialog's control id, once per window, and runs the
// wrapper's PreSubclassWindow.
void DDX_Control(CDataExchange* dx, int id, CWnd& wrapper);

class CDialog : public CWnd {
 public:
  CDialog(UINT templateId, CWnd* parent);

  // Builds a fresh window from the template, runs it modally and destroys
  // it; returns what ended it (IDOK, IDCANCEL).
  INT_PTR DoModal();
  // Before the window shows; TRUE lets the focus go to the first tab stop.
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  BOOL PreTranslateMessage(MSG* msg) override;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 protected:
  virtual void DoDataExchange(CDataExchange* dx);

 private:
  friend struct FrameworkAccess;

  BOOL OnCmdMsg(int id, UINT code) override;
  void UpdateData(BOOL saveAndValidate);
  void EndDialog(int result);

  UINT templateId_;
  CWnd* parent_;
};
