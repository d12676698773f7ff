#pragma once
// Device contexts: what a paint or colour handler draws with, and what
// GetDC hands out for measuring text. Only the framework makes them; the
// program receives them or makes a CPaintDC inside a paint handler.

#include "framework/font.h"
#include "framework/geometry.h"
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
  // Selects font into the context; returns the font selected before.
  CFont* SelectObject(CFont* font);

  // Width and height of the text in the selected font.
  CSize GetTextExtent(const char* text, int count) const;
  BOOL DrawIcon(int x, int y, HICON icon);

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
