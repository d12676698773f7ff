#pragma once
// Modal dialogs made from templates, and the binding of control wrappers.

#include "framework/resource_types.h"
#include "framework/wnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate)
      : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
};

// Binds wrapper to the dialog's control id, once per window.
void DDX_Control(CDataExchange* dx, int id, CWnd& wrapper);

class CDialog : public CWnd {
 public:
  CDialog(UINT templateId, CWnd* parent);
  CDialog(const DialogTemplate& dialogTemplate, CWnd* parent);

  // Builds a fresh window from the template, runs it modally and destroys it.
  virtual INT_PTR DoModal();
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  void EndDialog(int result);
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnCmdMsg(int id, UINT code) override;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 protected:
  virtual void DoDataExchange(CDataExchange* dx);

 private:
  const DialogTemplate* ResolveTemplate() const;

  UINT templateId_ = 0;
  const DialogTemplate* template_ = nullptr;
  CWnd* parent_ = nullptr;
};
