#include "framework/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <limits>

#include "framework/qt/edit_window.h"
#include "framework/qt/group_box_window.h"
#include "framework/qt/list_box_window.h"
#include "framework/qt/static_window.h"
#include "framework/win_constants.h"

namespace {

class AccessibleStatic : public QAccessibleWidget {
 public:
  explicit AccessibleStatic(StaticWindow* window)
      : QAccessibleWidget(window, window->IsIcon()          ? QAccessible::Graphic
                                  : window->IsClickable() ? QAccessible::Link
                                                          : QAccessible::StaticText),
        window_(window) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && !window_->IsIcon()) return window_->PlainText();
    return QAccessibleWidget::text(kind);
  }
  QStringList actionNames() const override {
    return window_->IsClickable() ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& action) override {
    if (action == pressAction() && window_->IsClickable()) window_->Click();
  }

 private:
  StaticWindow* window_;
};

QAccessibleInterface* StaticFactory(const QString&, QObject* object) {
  auto* window = WindowAs<StaticWindow>(WindowOfObject(object));
  return window ? new AccessibleStatic(window) : nullptr;
}

// A control whose text is a caption for another: a plain static, or a
// read-only edit without a border.
bool IsLabel(QObject* object) {
  if (auto* text = WindowAs<StaticWindow>(WindowOfObject(object))) return !text->IsIcon() && !text->IsClickable();
  if (auto* edit = WindowAs<EditWindow>(WindowOfObject(object))) {
    return (edit->styleBits & ES_READONLY) && !(edit->styleBits & WS_BORDER);
  }
  return false;
}

QString LabelText(QObject* label) {
  if (auto* text = WindowAs<StaticWindow>(WindowOfObject(label))) return text->PlainText();
  return static_cast<EditWindow*>(label)->text().trimmed();
}

// The label that names control: one just to its left on the same line
// (a results table), else one just above it, overlapping it sideways, at
// most a line away (a form).
QObject* LabelOf(QWidget* dialog, QWidget* control, int lineHeight) {
  QObject* above = nullptr;
  int aboveGap = std::numeric_limits<int>::max();
  QObject* left = nullptr;
  int leftGap = std::numeric_limits<int>::max();
  const QRect area = control->geometry();
  for (QObject* object : dialog->children()) {
    auto* candidate = qobject_cast<QWidget*>(object);
    if (!candidate || candidate == control || !IsLabel(object)) continue;
    const QRect label = candidate->geometry();
    const int gapAbove = area.top() - (label.top() + label.height());
    const bool sideBySide = label.left() < area.right() && area.left() < label.right();
    if (sideBySide && gapAbove >= -2 && gapAbove <= lineHeight && gapAbove < aboveGap) {
      above = object;
      aboveGap = gapAbove;
    }
    const int gapLeft = area.left() - (label.left() + label.width());
    const bool sameLine = label.top() < area.bottom() && area.top() < label.bottom();
    if (sameLine && gapLeft >= -2 && gapLeft <= 2 * lineHeight && gapLeft < leftGap) {
      left = object;
      leftGap = gapLeft;
    }
  }
  return left ? left : above;
}

// The caption of the smallest captioned group box around control.
QString GroupCaption(QWidget* dialog, QWidget* control) {
  QString caption;
  int smallest = std::numeric_limits<int>::max();
  for (QObject* object : dialog->children()) {
    auto* group = WindowAs<GroupBoxWindow>(WindowOfObject(object));
    if (!group || group->title().isEmpty() || !group->geometry().contains(control->geometry())) continue;
    const int size = group->width() * group->height();
    if (size < smallest) {
      caption = group->title();
      smallest = size;
    }
  }
  return caption;
}

}  // namespace

void InstallAccessibleStatics() { QAccessible::installFactory(StaticFactory); }

void NameControlsByLabels(QWidget* dialog) {
  const int lineHeight = dialog->fontMetrics().height();
  for (QObject* object : dialog->children()) {
    auto* edit = WindowAs<EditWindow>(WindowOfObject(object));
    auto* list = WindowAs<ListBoxWindow>(WindowOfObject(object));
    if (edit && IsLabel(edit)) {
      // A read-only field that shows a label reads as its own text.
      const QString text = LabelText(edit);
      if (edit->accessibleName() != text) edit->setAccessibleName(text);
      continue;
    }
    if (!edit && !list) continue;
    auto* control = static_cast<QWidget*>(object);
    QString name = list ? GroupCaption(dialog, control) : QString();
    if (name.isEmpty()) {
      if (QObject* label = LabelOf(dialog, control, lineHeight)) name = LabelText(label);
    }
    if (name.isEmpty()) name = GroupCaption(dialog, control);
    if (control->accessibleName() != name) control->setAccessibleName(name);
  }
}
