#include "framework/font.h"

#include "framework/internal/framework_access.h"
#include "framework/qt/gdi_objects.h"

CFont::~CFont() {
  if (owned_) delete m_hObject;
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
  if (!logFont) return FALSE;
  if (owned_) delete m_hObject;
  m_hObject = new HFONT__(*logFont);
  owned_ = true;
  return TRUE;
}

int CFont::GetLogFont(LOGFONT* logFont) const {
  if (!m_hObject || !logFont) return 0;
  *logFont = m_hObject->logFont;
  return static_cast<int>(sizeof(LOGFONT));
}

CFont* CFont::FromHandle(HFONT font) { return font ? &font->wrapper : nullptr; }
