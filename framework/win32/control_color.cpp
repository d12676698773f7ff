#include "framework/win32/control_color.h"

#include "framework/dc.h"
#include "framework/internal/framework_access.h"

namespace {

constexpr const char* kOwnFontProperty = "VortexFramework.OwnFont";

// A context the system lent for one message; the wrapper never releases it.
class LentDC : public CDC {
 public:
  explicit LentDC(HDC dc) { FrameworkAccess::Handle(*this) = dc; }
};

HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)); }

void SetFont(HWND control, HFONT font) {
  if (FontOf(control) != font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// A font no handler can select: whether it is still selected after the
// dispatch tells whether the handler selected one, even the one that was
// selected before.
HFONT UnselectableFont() {
  static const HFONT font = CreateFontA(1, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "");
  return font;
}

// selected is the font the handler selected, or null.
void ApplySelectedFont(HWND control, HFONT selected) {
  // Only bound controls: their unbinding forgets the property again.
  if (!framework_detail::BoundWrapper(control)) return;
  HANDLE own = GetPropA(control, kOwnFontProperty);
  if (selected) {
    if (!own) SetPropA(control, kOwnFontProperty, FontOf(control));
    SetFont(control, selected);
  } else if (own) {
    SetFont(control, static_cast<HFONT>(own));
    ForgetControlFont(control);
  }
}

}  // namespace

LRESULT DispatchControlColor(HWND dialog, HDC dc, HWND control) {
  LentDC wrapper(dc);
  HGDIOBJ before = SelectObject(dc, UnselectableFont());
  const LRESULT brush = framework_detail::Dispatch(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&wrapper),
                                                   reinterpret_cast<LPARAM>(control));
  auto selected = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
  if (selected == UnselectableFont()) {
    SelectObject(dc, before);
    selected = nullptr;
  }
  ApplySelectedFont(control, selected);
  return brush;
}

void ForgetControlFont(HWND control) { RemovePropA(control, kOwnFontProperty); }
