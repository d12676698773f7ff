#pragma once
// Device contexts: what a paint or colour handler draws with, and what
// GetDC hands out for measuring text.

#include "framework/font.h"
#include "framework/geometry.h"
#include "framework/win_types.h"

class CWnd;

class CDC {
 public:
  CDC() = default;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  virtual ~CDC();

  HDC GetSafeHdc() const { return m_hDC; }

  COLORREF SetTextColor(COLORREF color);
  int SetBkMode(int mode);
  // Selects font into the context; returns the font selected before.
  CFont* SelectObject(CFont* font);
  CFont* GetCurrentFont() const;

  // Width and height of the text in the selected font.
  CSize GetTextExtent(const char* text, int count) const;
  BOOL DrawIcon(int x, int y, HICON icon);

  static CDC* FromHandle(HDC dc);

  HDC m_hDC = nullptr;

 protected:
  // Takes ownership of a context made by the framework.
  void Adopt(HDC dc);
};

// The context of a paint handler; valid only while the window paints.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC() override;
};
