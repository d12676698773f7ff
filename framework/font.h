#pragma once
// The font wrapper. A font made with CreateFontIndirect belongs to its
// wrapper and goes with it; FromHandle's wrapper of a font the framework owns
// (a window's font, a stock font) never deletes it.

#include "framework/win_types.h"

class CFont {
 public:
  CFont() = default;
  CFont(const CFont&) = delete;
  CFont& operator=(const CFont&) = delete;
  ~CFont();

  BOOL CreateFontIndirect(const LOGFONT* logFont);
  // Copies the font's description; returns the bytes copied (0 without a font).
  int GetLogFont(LOGFONT* logFont) const;
  HFONT GetSafeHandle() const { return m_hObject; }

  static CFont* FromHandle(HFONT font);

 private:
  friend struct FrameworkAccess;
  HFONT m_hObject = nullptr;
  bool owned_ = false;
};
