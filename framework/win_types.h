#pragma once
// The basic types of the dialog framework: integer aliases, handles, colours,
// rectangles, the message record and the logical font, with their classic
// names so that the program's code reads as its design does. On Windows they
// are the system's own; elsewhere the framework defines the same names.

#ifdef _WIN32
#include "framework/win32/system_headers.h"
#else
#include "framework/portable/win_types.h"
#endif
