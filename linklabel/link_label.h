#pragma once
// A static text that behaves as a hyperlink: drawn in a link colour (another
// once followed) and underlined, fitted to its text, with a hand cursor and
// a tooltip showing its target; a click opens the target.

#include "framework/afxwin.h"

class CLinkLabel : public CStatic {
 public:
  CLinkLabel() = default;

  void SetTarget(const char* text);
  void SetLinkColors(COLORREF link, COLORREF followedLink);
  void SetFollowed(BOOL flag);
  void SetUnderlined(BOOL flag);
  void SetFitToText(BOOL flag);

  const CString& GetTarget() const { return target; }
  BOOL IsFollowed() const { return followed; }

  void PreSubclassWindow() override;
  BOOL PreTranslateMessage(MSG* msg) override;

  const MessageMap& GetMessageMap() const override { return GetThisMessageMap(); }
  static const MessageMap& GetThisMessageMap();

 private:
  HBRUSH CtlColor(CDC* dc, UINT controlType);
  BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
  void OnLabelClicked();
  void FitToText();

  COLORREF linkColor = RGB(0, 0, 238);
  COLORREF followedColor = RGB(85, 26, 139);
  BOOL followed = FALSE;
  BOOL underlined = TRUE;
  BOOL fitToText = TRUE;
  CString target;
  CFont underlineFont;  // made on first use, kept for the object's life
  HCURSOR linkCursor = nullptr;
  CToolTipCtrl tooltip;
};
