#include "framework/qt/list_box_window.h"

#include <algorithm>

#include "framework/win_constants.h"

ListBoxWindow::ListBoxWindow(QWidget* parent, int controlId, DWORD windowStyle, DWORD extendedStyle)
    : QListWidget(parent), HWND__(this, controlId, windowStyle, extendedStyle) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ApplyStyle();
  connect(this, &QListWidget::itemSelectionChanged, this, [this] {
    if (programmatic_ == 0 && (styleBits & LBS_NOTIFY) && SelectedRow() >= 0) NotifyParent(LBN_SELCHANGE);
  });
  connect(this, &QListWidget::itemDoubleClicked, this, [this] {
    if (styleBits & LBS_NOTIFY) NotifyParent(LBN_DBLCLK);
  });
}

void ListBoxWindow::ApplyStyle() {
  setFrameShape((styleBits & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
  setVerticalScrollBarPolicy((styleBits & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

int ListBoxWindow::SelectedRow() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? LB_ERR : row(selected.first());
}

QItemSelectionModel::SelectionFlags ListBoxWindow::selectionCommand(const QModelIndex& index,
                                                                    const QEvent*) const {
  // As in a classic list box, the user can move the selection but never
  // clear it: a click below the last entry or a Ctrl-click changes nothing.
  if (!index.isValid()) return QItemSelectionModel::NoUpdate;
  if (selectionModel()->isSelected(index)) return QItemSelectionModel::NoUpdate;
  return QItemSelectionModel::ClearAndSelect;
}

void ListBoxWindow::focusInEvent(QFocusEvent* event) {
  QListWidget::focusInEvent(event);
  // Qt makes the first row current when the list gains focus; a classic
  // list box selects nothing until the user moves, and the first arrow key
  // then selects the first entry.
  if (SelectedRow() == LB_ERR && currentIndex().isValid()) {
    Programmatic([this] { selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate); });
  }
}

QModelIndex ListBoxWindow::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  if (currentIndex().isValid() || count() == 0) return QListWidget::moveCursor(action, modifiers);
  // Nothing chosen yet: the caret rests before the first entry. Qt would send
  // every key to the first entry; a list box sends End to the last and Page
  // Down a page down, so that the keyboard reaches every entry.
  switch (action) {
    case MoveEnd:
      return model()->index(count() - 1, 0);
    case MovePageDown: {
      const int rowHeight = std::max(1, sizeHintForRow(0));
      const int rowsPerPage = std::max(1, viewport()->height() / rowHeight);
      return model()->index(std::min(count(), rowsPerPage) - 1, 0);
    }
    default:
      return model()->index(0, 0);
  }
}
