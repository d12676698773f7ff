#include "linklabel/link_label.h"

#include "linklabel/open_target.h"
#include "res/resource.h"

namespace {

constexpr UINT_PTR kToolId = 1;

}  // namespace

const MessageMap& CLinkLabel::GetThisMessageMap() {
  static const MessageMap map = MessageMapBuilder<CLinkLabel>(CStatic::GetThisMessageMap())
                                    .ReflectedNotification(STN_CLICKED, &CLinkLabel::OnLabelClicked)
                                    .ReflectedCtlColor(&CLinkLabel::CtlColor)
                                    .SetCursor(&CLinkLabel::OnSetCursor)
                                    .Build();
  return map;
}

void CLinkLabel::PreSubclassWindow() {
  // Clicks are reported, the keyboard reaches the link, and its text (an
  // address, which may hold "&") shows as it is.
  ModifyStyle(0, SS_NOTIFY | SS_NOPREFIX | WS_TABSTOP);
  if (target.IsEmpty()) target = GetWindowText();
  if (GetWindowText().IsEmpty()) SetWindowText(target);
  FitToText();
  linkCursor = LoadCursor(IDC_LINK_HAND);

  CRect client;
  GetClientRect(&client);
  tooltip.Create(this, TTS_NOPREFIX);
  tooltip.AddTool(this, target, &client, kToolId);

  CStatic::PreSubclassWindow();
}

BOOL CLinkLabel::PreTranslateMessage(MSG* msg) {
  tooltip.RelayEvent(msg);
  return CStatic::PreTranslateMessage(msg);
}

HBRUSH CLinkLabel::CtlColor(CDC* dc, UINT) {
  dc->SetTextColor(TextColor());
  dc->SelectObject(DrawnFont());
  dc->SetBkMode(TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

COLORREF CLinkLabel::TextColor() const {
  // In high contrast the user's scheme names the colour of links.
  HIGHCONTRAST contrast{};
  contrast.cbSize = sizeof contrast;
  if (SystemParametersInfo(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
      (contrast.dwFlags & HCF_HIGHCONTRASTON)) {
    return GetSysColor(COLOR_HOTLIGHT);
  }
  return followed ? followedColor : linkColor;
}

CFont* CLinkLabel::DrawnFont() {
  // A label without a font of its own draws in the system font.
  CFont* font = GetFont();
  if (!font) font = CFont::FromHandle(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
  if (!underlined) return font;
  if (!underlineFont.GetSafeHandle()) {
    LOGFONT description;
    font->GetLogFont(&description);
    description.lfUnderline = TRUE;
    underlineFont.CreateFontIndirect(&description);
  }
  return &underlineFont;
}

BOOL CLinkLabel::OnSetCursor(CWnd*, UINT, UINT) {
  ::SetCursor(linkCursor);
  return TRUE;
}

void CLinkLabel::OnLabelClicked() {
  const int result = OpenTarget(target, SW_SHOW);
  followed = result > 32;
  if (followed) {
    SetFollowed(TRUE);
  } else {
    // The colour goes back to the link colour at the next repaint.
    ShowOpenFailure(result);
  }
}

void CLinkLabel::SetTarget(const char* text) {
  target = text;
  FitToText();
  tooltip.UpdateTipText(text, this, kToolId);
}

void CLinkLabel::SetLinkColors(COLORREF link, COLORREF followedLink) {
  linkColor = link;
  followedColor = followedLink;
  Invalidate(TRUE);
}

void CLinkLabel::SetFollowed(BOOL flag) {
  followed = flag;
  Invalidate(TRUE);
}

void CLinkLabel::SetUnderlined(BOOL flag) {
  underlined = flag;
  Invalidate(TRUE);
}

void CLinkLabel::SetFitToText(BOOL flag) {
  fitToText = flag;
  FitToText();
}

void CLinkLabel::FitToText() {
  if (!fitToText) return;
  CRect rect;
  GetWindowRect(&rect);
  if (CWnd* parent = GetParent()) parent->ScreenToClient(&rect);

  // Measured in the font the label draws in: a fresh context holds the
  // stock system font, whose extent differs at every scale.
  const CString text = GetWindowText();
  CDC* dc = GetDC();
  CFont* previous = dc->SelectObject(DrawnFont());
  const CSize extent = dc->GetTextExtent(text, text.GetLength());
  dc->SelectObject(previous);
  ReleaseDC(dc);

  const DWORD style = GetStyle();
  if (style & SS_CENTERIMAGE) {
    const LONG shift = (rect.Height() - extent.cy) / 2;
    rect.top += shift;
    rect.bottom -= shift;
  } else {
    rect.bottom = rect.top + extent.cy;
  }
  if (style & SS_CENTER) {
    const LONG shift = (rect.Width() - extent.cx) / 2;
    rect.left += shift;
    rect.right -= shift;
  } else if (style & SS_RIGHT) {
    rect.left = rect.right - extent.cx;
  } else {
    rect.right = rect.left + extent.cx;
  }
  SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER);
}
