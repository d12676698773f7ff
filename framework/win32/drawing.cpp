// Drawing with a device context on Win32: the system's own pens, brushes,
// lines, shapes and text. SelectObject hands back the wrapper of what was
// selected before: the program's own, or one the framework keeps for the
// context's first pen or brush.

#include <map>
#include <memory>

#include "framework/dc.h"
#include "framework/internal/framework_access.h"

namespace {

// The wrapper of a pen or brush handle: the program's, registered when it
// made the object, or a lasting one for an object nobody made here (a
// context's stock pen and brush), which deleting leaves alone.
template <class Wrapper, class Handle>
Wrapper* WrapperOf(Handle handle, std::map<Handle, Wrapper*>& made) {
  if (const auto found = made.find(handle); found != made.end()) return found->second;
  static std::map<Handle, std::unique_ptr<Wrapper>> borrowed;
  std::unique_ptr<Wrapper>& wrapper = borrowed[handle];
  if (!wrapper) {
    wrapper = std::make_unique<Wrapper>();
    FrameworkAccess::Handle(*wrapper) = handle;
  }
  return wrapper.get();
}

std::map<HPEN, CPen*>& MadePens() {
  static std::map<HPEN, CPen*> pens;
  return pens;
}

std::map<HBRUSH, CBrush*>& MadeBrushes() {
  static std::map<HBRUSH, CBrush*> brushes;
  return brushes;
}

template <class Wrapper, class Handle>
void Forget(Handle handle, std::map<Handle, Wrapper*>& made) {
  if (handle) {
    made.erase(handle);
    DeleteObject(handle);  // a stock object is left alone by the system
  }
}

}  // namespace

CPen::~CPen() { Forget(m_hObject, MadePens()); }

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
  Forget(m_hObject, MadePens());
  m_hObject = ::CreatePen(style, width, color);
  if (m_hObject) MadePens()[m_hObject] = this;
  return m_hObject != nullptr;
}

CBrush::~CBrush() { Forget(m_hObject, MadeBrushes()); }

BOOL CBrush::CreateSolidBrush(COLORREF color) {
  Forget(m_hObject, MadeBrushes());
  m_hObject = ::CreateSolidBrush(color);
  if (m_hObject) MadeBrushes()[m_hObject] = this;
  return m_hObject != nullptr;
}

CPen* CDC::SelectObject(CPen* pen) {
  if (!pen || !pen->GetSafeHandle()) return nullptr;
  return WrapperOf(static_cast<HPEN>(::SelectObject(m_hDC, pen->GetSafeHandle())), MadePens());
}

CBrush* CDC::SelectObject(CBrush* brush) {
  if (!brush || !brush->GetSafeHandle()) return nullptr;
  return WrapperOf(static_cast<HBRUSH>(::SelectObject(m_hDC, brush->GetSafeHandle())), MadeBrushes());
}

void CDC::MoveTo(int x, int y) { MoveToEx(m_hDC, x, y, nullptr); }

BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }

BOOL CDC::Polyline(const POINT* points, int count) { return ::Polyline(m_hDC, points, count); }

BOOL CDC::Ellipse(int left, int top, int right, int bottom) { return ::Ellipse(m_hDC, left, top, right, bottom); }

void CDC::FillSolidRect(const RECT* rect, COLORREF color) {
  // As the classic framework does it: an opaque text output of nothing.
  const COLORREF previous = ::SetBkColor(m_hDC, color);
  ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
  ::SetBkColor(m_hDC, previous);
}

UINT CDC::SetTextAlign(UINT align) { return ::SetTextAlign(m_hDC, align); }

BOOL CDC::TextOut(int x, int y, const char* text, int count) { return ::TextOutA(m_hDC, x, y, text, count); }
