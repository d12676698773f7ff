#pragma once
// A static text that behaves as a hyperlink: drawn in a link colour (another
// once followed; the system's hot-light colour in high contrast) and
// underlined, fitted to its text in the font it draws in, with a hand cursor
// and a tooltip showing its target; a click, or Enter or Space once Tab has
// reached it, opens the target.

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
  COLORREF TextColor() const;
  // The font the text is drawn and measured in: the window's font, with the
  // underline when underlined.
  CFont* DrawnFont();

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
