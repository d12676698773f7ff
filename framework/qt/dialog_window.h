#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "framework/internal/framework_access.h"
#include "framework/qt/gdi_objects.h"
#include "framework/qt/window.h"
#include "framework/resource_types.h"

struct HMENU__ {
  struct Item {
    UINT flags;
    UINT_PTR id;
    std::string text;
  };
  std::vector<Item> items;
};

// Gives the keyboard back to the owner of a modal window that has ended, as
// the classic dialog manager does, whatever the window manager does.
void ReactivateOwner(QWidget* owner);

// A dialog window made from a template: its controls in template order,
// sized in dialog units of the template's font.
class DialogWindow : public QDialog, public HWND__ {
 public:
  DialogWindow(QWidget* owner, const DialogTemplate& dialogTemplate);

  std::string Text() const override { return FromQString(windowTitle()); }
  void SetText(const std::string& newText) override { setWindowTitle(ToQString(newText)); }
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ChildTextChanged() override;

  // Gives the focus to the first visible, enabled tab stop.
  void FocusFirstTabStop();
  int DefaultButtonId() const;
  // Runs the modal loop unless the dialog has already ended.
  INT_PTR RunModal();
  void End(INT_PTR result);

  // The system menu, or (revert) none after putting back the standard one.
  HMENU SystemMenu(bool revert);
  void ShowSystemMenu(const QPoint& globalPosition);
  HICON SetIcon(HICON icon, bool big);
  HICON Icon(bool big) const { return big ? bigIcon_ : smallIcon_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void CreateControls(const DialogTemplate& dialogTemplate);
  void ResetSystemMenu();

  HFONT__ font_;
  HMENU__ systemMenu_;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  bool ended_ = false;
  INT_PTR result_ = 0;
};
