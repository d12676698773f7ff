// The save-file dialog on Qt: QFileDialog, which shows the desktop's own
// dialog where the platform theme provides one, and Qt's otherwise.

#include <QFileDialog>
#include <QStringList>

#include "framework/internal/window_primitives.h"
#include "framework/qt/dialog_window.h"
#include "framework/qt/window.h"

namespace {

// Qt reads a type's patterns from the parentheses at the end of its name:
// "SVG images (*.svg)", whatever the description already says of them.
QString NameFilter(const framework_detail::FileFilter& filter) {
  QString description = ToQString(filter.description).trimmed();
  if (description.endsWith(u')')) {
    const qsizetype open = description.lastIndexOf(u'(');
    if (open >= 0) description = description.left(open).trimmed();
  }
  QStringList patterns;
  for (const std::string& pattern : filter.patterns) patterns << ToQString(pattern).trimmed();
  return description + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

}  // namespace

namespace framework_detail {

std::optional<std::string> DoSaveFileDialog(HWND owner, const SaveFileQuestion& question) {
  QWidget* ownerWidget = owner ? owner->widget : nullptr;
  // A QFileDialog of its own class, not a subclass: only then does Qt hand
  // the question to the desktop's dialog.
  QFileDialog dialog(ownerWidget);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, (question.flags & OFN_OVERWRITEPROMPT) == 0);
  QStringList nameFilters;
  for (const FileFilter& filter : question.filters) nameFilters << NameFilter(filter);
  if (!nameFilters.isEmpty()) dialog.setNameFilters(nameFilters);
  dialog.setDefaultSuffix(ToQString(question.defaultExt));
  if (!question.fileName.empty()) dialog.selectFile(ToQString(question.fileName));
  const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
  ReactivateOwner(ownerWidget);
  if (!accepted) return std::nullopt;
  return FromQString(dialog.selectedFiles().constFirst());
}

}  // namespace framework_detail
