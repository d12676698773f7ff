#pragma once
// Driving modal windows from a test. DoModal and message boxes block in
// their own event loop, so a test schedules what the user does inside them
// before it opens them.

#include <QMenu>
#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <functional>

#include "framework/wnd.h"

// Runs step once a modal window other than the one in front now is showing
// (a dialog or a message box), from inside its event loop. Steps may
// schedule further steps. Fails the test if none appears within 5 s.
void OnNextModal(std::function<void(QWidget* window)> step);

// Runs step once a popup menu (a system menu) shows, from inside its loop.
// Fails the test if none appears within 5 s.
void OnNextPopupMenu(std::function<void(QMenu* menu)> step);

struct MessageBoxSeen {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Presses OK on the next message box and records what it showed in seen.
void AnswerNextMessageBox(MessageBoxSeen& seen);

// The widget of a bound wrapper, and of a dialog's control.
QWidget* WidgetOf(const CWnd& wnd);
QWidget* ControlOf(const CWnd& dialog, int id);
