#include "framework/dc.h"

#include <map>

#include "framework/internal/framework_access.h"
#include "framework/win32/device_contexts.h"
#include "framework/wnd.h"

namespace {

// What EndPaint needs back, for each paint context.
struct Painting {
  HWND window;
  PAINTSTRUCT paint;
};

std::map<const CDC*, Painting>& Paintings() {
  static std::map<const CDC*, Painting> paintings;
  return paintings;
}

}  // namespace

CDC::~CDC() = default;

COLORREF CDC::SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }

int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }

CFont* CDC::SelectObject(CFont* font) {
  if (!font || !font->GetSafeHandle()) return nullptr;
  return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, font->GetSafeHandle())));
}

CSize CDC::GetTextExtent(const char* text, int count) const {
  CSize size;
  GetTextExtentPoint32A(m_hDC, text, count, &size);
  return size;
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) { return icon ? ::DrawIcon(m_hDC, x, y, icon) : FALSE; }

CPaintDC::CPaintDC(CWnd* wnd) {
  HWND hwnd = FrameworkAccess::Handle(*wnd);
  if (!hwnd) framework_detail::ProgrammingError("CPaintDC for a wrapper that is not bound to a window");
  Painting& painting = Paintings()[this];
  painting.window = hwnd;
  FrameworkAccess::Handle(*this) = BeginPaint(hwnd, &painting.paint);
}

CPaintDC::~CPaintDC() {
  const auto found = Paintings().find(this);
  EndPaint(found->second.window, &found->second.paint);
  Paintings().erase(found);
}

WindowDC::WindowDC(HWND window) : window_(window) { FrameworkAccess::Handle(*this) = ::GetDC(window); }

WindowDC::~WindowDC() { ::ReleaseDC(window_, GetSafeHdc()); }
