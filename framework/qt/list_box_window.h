#pragma once

#include <QListWidget>

#include "framework/qt/window.h"

// A single-selection list box. A selection the user makes notifies the
// parent (LBN_SELCHANGE); changes the program makes do not.
class ListBoxWindow : public QListWidget, public HWND__ {
 public:
  ListBoxWindow(QWidget* parent, int id, DWORD style, DWORD exStyle);

  std::string Text() const override { return {}; }
  void SetText(const std::string&) override {}
  void ApplyStyle() override;

  // Runs a change of the program's own without notifying.
  template <class F>
  auto Programmatic(F change) {
    ++programmatic_;
    struct Restore {
      int& depth;
      ~Restore() { --depth; }
    } restore{programmatic_};
    return change();
  }

  int SelectedRow() const;

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  int programmatic_ = 0;
};
