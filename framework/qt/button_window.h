#pragma once

#include <QPushButton>

#include "framework/qt/window.h"

// A push button; a click notifies the parent (BN_CLICKED).
class ButtonWindow : public QPushButton, public HWND__ {
 public:
  ButtonWindow(QWidget* parent, int id, DWORD style, DWORD exStyle, const QString& text);

  bool IsDefault() const;
  std::string Text() const override { return FromQString(text()); }
  void SetText(const std::string& newText) override { setText(ToQString(newText)); }
};
