#pragma once

#include <QGroupBox>

#include "framework/qt/window.h"

// A group box: a captioned frame that never takes the mouse, so it cannot
// swallow clicks meant for the controls inside it.
class GroupBoxWindow : public QGroupBox, public HWND__ {
 public:
  GroupBoxWindow(QWidget* parent, int id, DWORD style, DWORD exStyle, const QString& caption);

  std::string Text() const override { return FromQString(title()); }
  void SetText(const std::string& newText) override { setTitle(ToQString(newText)); }
};
