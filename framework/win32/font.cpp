#include "framework/font.h"

#include <map>
#include <memory>

#include "framework/internal/framework_access.h"

CFont::~CFont() {
  if (owned_ && m_hObject) DeleteObject(m_hObject);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
  HFONT font = logFont ? ::CreateFontIndirectA(logFont) : nullptr;
  if (!font) return FALSE;
  if (owned_ && m_hObject) DeleteObject(m_hObject);
  FrameworkAccess::Own(*this, font);
  return TRUE;
}

int CFont::GetLogFont(LOGFONT* logFont) const {
  if (!m_hObject || !logFont) return 0;
  return GetObjectA(m_hObject, sizeof(LOGFONTA), logFont);
}

CFont* CFont::FromHandle(HFONT font) {
  if (!font) return nullptr;
  // One borrowing wrapper per handle value, as long as the program runs: a
  // font the system reuses the value of is wrapped just the same.
  static std::map<HFONT, std::unique_ptr<CFont>> borrowed;
  std::unique_ptr<CFont>& wrapper = borrowed[font];
  if (!wrapper) {
    wrapper = std::make_unique<CFont>();
    FrameworkAccess::Borrow(*wrapper, font);
  }
  return wrapper.get();
}
