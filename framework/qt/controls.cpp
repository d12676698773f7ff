// The operations of the list box wrapper.

#include <QString>

#include "framework/internal/framework_access.h"
#include "framework/list_box.h"
#include "framework/qt/list_box_window.h"
#include "framework/win_constants.h"

namespace {

ListBoxWindow& ListOf(const CListBox& wrapper, const char* operation) {
  auto* list = WindowAs<ListBoxWindow>(FrameworkAccess::Handle(wrapper));
  if (!list) {
    framework_detail::ProgrammingError(std::string("CListBox::") + operation +
                                       " on a wrapper that is not bound to a list box");
  }
  return *list;
}

}  // namespace

void CListBox::ResetContent() {
  ListBoxWindow& list = ListOf(*this, "ResetContent");
  list.Programmatic([&list] { list.clear(); });
}

int CListBox::InsertString(int index, const char* text) {
  ListBoxWindow& list = ListOf(*this, "InsertString");
  if (index > list.count()) return LB_ERR;
  const int row = index < 0 ? list.count() : index;
  list.Programmatic([&] { list.insertItem(row, QString::fromUtf8(text ? text : "")); });
  return row;
}

int CListBox::GetCurSel() const { return ListOf(*this, "GetCurSel").SelectedRow(); }

int CListBox::SetCurSel(int index) {
  ListBoxWindow& list = ListOf(*this, "SetCurSel");
  if (index < 0 || index >= list.count()) {
    list.Programmatic([&list] { list.clearSelection(); });
    return LB_ERR;
  }
  list.Programmatic([&list, index] { list.setCurrentRow(index, QItemSelectionModel::ClearAndSelect); });
  return index;
}
