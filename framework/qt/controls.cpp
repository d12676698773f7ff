// The operations of the control wrappers.

#include <QString>

#include "framework/list_box.h"
#include "framework/qt/edit_window.h"
#include "framework/qt/list_box_window.h"
#include "framework/win_constants.h"

void CListBox::ResetContent() {
  if (auto* list = dynamic_cast<ListBoxWindow*>(m_hWnd)) list->Programmatic([list] { list->clear(); });
}

int CListBox::InsertString(int index, const char* text) {
  auto* list = dynamic_cast<ListBoxWindow*>(m_hWnd);
  if (!list || index > list->count()) return LB_ERR;
  const int row = index < 0 ? list->count() : index;
  list->Programmatic([&] { list->insertItem(row, QString::fromUtf8(text ? text : "")); });
  return row;
}

int CListBox::AddString(const char* text) {
  auto* list = dynamic_cast<ListBoxWindow*>(m_hWnd);
  if (!list) return LB_ERR;
  int row = list->count();
  if (list->styleBits & LBS_SORT) {
    const QString entry = QString::fromUtf8(text ? text : "");
    row = 0;
    while (row < list->count() && QString::compare(list->item(row)->text(), entry, Qt::CaseInsensitive) <= 0) ++row;
  }
  return InsertString(row, text);
}

int CListBox::GetCount() const {
  auto* list = dynamic_cast<ListBoxWindow*>(m_hWnd);
  return list ? list->count() : LB_ERR;
}

int CListBox::GetCurSel() const {
  auto* list = dynamic_cast<ListBoxWindow*>(m_hWnd);
  return list ? list->SelectedRow() : LB_ERR;
}

int CListBox::SetCurSel(int index) {
  auto* list = dynamic_cast<ListBoxWindow*>(m_hWnd);
  if (!list) return LB_ERR;
  if (index < 0 || index >= list->count()) {
    list->Programmatic([list] { list->clearSelection(); });
    return LB_ERR;
  }
  list->Programmatic([list, index] { list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect); });
  return index;
}

void CListBox::GetText(int index, CString& text) const {
  auto* list = dynamic_cast<ListBoxWindow*>(m_hWnd);
  const QListWidgetItem* item = list ? list->item(index) : nullptr;
  text = item ? CString(item->text().toStdString()) : CString();
}
