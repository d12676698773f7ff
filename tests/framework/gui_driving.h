#pragma once
// Driving framework dialogs the way a user does, from inside their modal
// loops, without letting a failed check leave a loop running.

#include <QMenu>
#include <QPoint>
#include <QWidget>
#include <functional>

#include "framework/dialog.h"

// What DoModal returns when the step left the dialog open and RunModal had
// to end it.
constexpr INT_PTR kLeftOpen = -99;

// Runs dialog modally and step inside its loop once it is active. A dialog the
// step leaves open is then ended with kLeftOpen. Returns DoModal's result.
INT_PTR RunModal(CDialog& dialog, const std::function<void()>& step);

// Whether action opens a popup menu (which is then closed).
bool OpensPopup(const std::function<void()>& action);

// Mouse input delivered through the window, as the window system does, so
// that the widget under the pointer receives it. pos is in widget's
// coordinates; a null pos means its centre.
void ClickAt(QWidget* widget, QPoint pos = {}, Qt::MouseButton button = Qt::LeftButton);
void DoubleClickAt(QWidget* widget, QPoint pos = {});
void MoveMouseTo(QWidget* widget, QPoint pos);

// Keys for the widget with the keyboard focus.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The id of the control that has the keyboard focus, 0 when none has.
int FocusedId();
