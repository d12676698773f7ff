#pragma once
// Logical fonts and the font wrapper.

#include "framework/win_types.h"

constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
constexpr int LF_FACESIZE = 32;

// A font's description. A negative height is the character height in
// pixels, a positive one the cell height (character plus internal leading).
struct LOGFONT {
  LONG lfHeight = 0;
  LONG lfWidth = 0;
  LONG lfEscapement = 0;
  LONG lfOrientation = 0;
  LONG lfWeight = FW_NORMAL;
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = 0;
  BYTE lfOutPrecision = 0;
  BYTE lfClipPrecision = 0;
  BYTE lfQuality = 0;
  BYTE lfPitchAndFamily = 0;
  char lfFaceName[LF_FACESIZE] = {};
};

class CFont {
 public:
  CFont() = default;
  CFont(const CFont&) = delete;
  CFont& operator=(const CFont&) = delete;
  ~CFont();

  BOOL CreateFontIndirect(const LOGFONT* logFont);
  // Copies the font's description; returns the bytes copied (0 without a font).
  int GetLogFont(LOGFONT* logFont) const;
  BOOL DeleteObject();

  HFONT GetSafeHandle() const { return m_hObject; }
  operator HFONT() const { return m_hObject; }

  // The wrapper of a font the framework owns (a window's font, a stock font).
  static CFont* FromHandle(HFONT font);

  HFONT m_hObject = nullptr;

 private:
  bool owned_ = false;
};

// Stock objects: NULL_BRUSH and SYSTEM_FONT.
HGDIOBJ GetStockObject(int object);
