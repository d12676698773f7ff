#pragma once

#include <QLineEdit>

#include "framework/qt/window.h"

// An edit field. Every change of its text, typed or set, notifies the
// parent (EN_CHANGE).
class EditWindow : public QLineEdit, public HWND__ {
 public:
  EditWindow(QWidget* parent, int id, DWORD style, DWORD exStyle);

  std::string Text() const override { return FromQString(text()); }
  void SetText(const std::string& newText) override { setText(ToQString(newText)); }
  void ApplyStyle() override;
};
