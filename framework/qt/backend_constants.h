#pragma once
// The classic constants that only this backend uses itself: the messages it
// makes from Qt's events and sends its own windows, and the message-box
// icons it maps onto Qt's. On Windows they are the system's own.

#include "framework/win_constants.h"

// Window messages.
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_USER = 0x0400;

// Tooltip messages.
constexpr UINT TTM_RELAYEVENT = WM_USER + 7;  // 0x0407

// Message box icons.
constexpr UINT MB_ICONHAND = 0x0010;
constexpr UINT MB_ICONQUESTION = 0x0020;
