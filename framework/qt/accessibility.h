#pragma once
// What a screen reader learns about a dialog's controls. Buttons and group
// boxes name themselves by their text; statics read as text (or as links,
// with a press action, when they notify); a read-only field that shows a
// label reads as its text; edit fields and lists are named by the label just
// to their left on the same line, else the one just above them, else by the
// caption of the group box around them — a list by its group first — the way
// a sighted user reads the dialog.

class QWidget;

// Makes the framework's statics known to the accessibility layer.
void InstallAccessibleStatics();

// Names the edit fields and lists of dialog after their labels; run again
// whenever a label's text changes.
void NameControlsByLabels(QWidget* dialog);
