#pragma once
// Device contexts: what a paint or colour handler draws with, and what
// GetDC hands out for measuring text. Only the framework makes them; the
// program receives them or makes a CPaintDC inside a paint handler.

#include "framework/brush.h"
#include "framework/font.h"
#include "framework/geometry.h"
#include "framework/pen.h"
#include "framework/win_types.h"

class CWnd;

class CDC {
 public:
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  virtual ~CDC();

  HDC GetSafeHdc() const { return m_hDC; }

  COLORREF SetTextColor(COLORREF color);
  int SetBkMode(int mode);
  // Select a font, pen or brush into the context; each returns the one
  // selected before (for a context's own first one, a wrapper the framework
  // owns).
  CFont* SelectObject(CFont* font);
  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);

  // Width and height of the text in the selected font.
  CSize GetTextExtent(const char* text, int count) const;
  BOOL DrawIcon(int x, int y, HICON icon);

  // Lines with the selected pen, from the current position.
  void MoveTo(int x, int y);
  BOOL LineTo(int x, int y);
  BOOL Polyline(const POINT* points, int count);
  // Outlined with the selected pen and filled with the selected brush.
  BOOL Ellipse(int left, int top, int right, int bottom);
  void FillSolidRect(const RECT* rect, COLORREF color);
  // Text in the selected font and text colour, placed at x, y as the
  // alignment says (TA_LEFT, TA_CENTER or TA_RIGHT with TA_TOP, TA_BASELINE
  // or TA_BOTTOM); returns the alignment before.
  UINT SetTextAlign(UINT align);
  BOOL TextOut(int x, int y, const char* text, int count);

 protected:
  CDC() = default;

 private:
  friend struct FrameworkAccess;
  HDC m_hDC = nullptr;
};

// The context of a paint handler; valid only while the window paints.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC() override;
};
