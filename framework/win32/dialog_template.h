#pragma once
// The in-memory dialog template the dialog manager builds a dialog from.

#include <vector>

#include "framework/resource_types.h"

// A DLGTEMPLATE with its items, made from one of the program's templates:
// the same styles, font, dialog units, ids and texts. Texts are UTF-8 in
// the program and UTF-16 in the template. An icon static's text ("#128")
// is left empty: its icon is the framework's, set once the control exists
// (see IconOfStatic).
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate);

// The resource id an icon static of a template names ("#128" -> 128), or 0.
UINT IconOfStatic(const DialogItemTemplate& item);
