#pragma once
// Style combinations the program's dialog templates share.

#include "framework/win_constants.h"
#include "framework/win_types.h"

namespace resources {

// Every dialog is a modal pop-up with a caption and system menu, in the font
// its template names.
inline constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

// The program's push buttons: tab stops with static, client and modal-frame edges.
inline constexpr DWORD kPushButton = BS_PUSHBUTTON | WS_TABSTOP;
inline constexpr DWORD kDefaultButton = BS_DEFPUSHBUTTON | WS_TABSTOP;
inline constexpr DWORD kButtonEdges = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;

// The sort style is part of the look only: entries go in at explicit indices,
// which never sorts.
inline constexpr DWORD kListBox =
    WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT;

// Edit fields: one the user types into, a read-only one that shows a result,
// and a read-only one without border that serves as a rewritable label.
inline constexpr DWORD kInputEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
inline constexpr DWORD kResultEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY;
inline constexpr DWORD kLabelEdit = WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY;

}  // namespace resources
