#pragma once
// The framework tests' own resources: small dialog templates, an icon, a
// cursor and a string, and the ids the tests name them by.

#include "framework/win_types.h"

// Templates.
constexpr UINT IDD_FORM = 201;           // every kind of control; most tests use it
constexpr UINT IDD_UNITS_SMALL = 202;    // the same controls in Arial 10 ...
constexpr UINT IDD_UNITS_LARGE = 203;    // ... and in Arial 14
constexpr UINT IDD_OTHER_DEFAULT = 204;  // the default push button is not IDOK
constexpr UINT IDD_NO_DEFAULT = 205;     // no push button is marked default

// Controls of the form, in template order. The middle of the form stays
// free, for the icon a minimised dialog paints there.
constexpr int IDC_NAME = 1101;          // edit, tab stop
constexpr int IDC_CAPTION = 1102;       // static text, no notify style
constexpr int IDC_NOTE = 1103;          // edit, tab stop
constexpr int IDC_READ_ONLY = 1104;     // read-only edit, no tab stop
constexpr int IDC_CHOICES = 1105;       // list box, tab stop, notify and sort styles
constexpr int IDC_PLAIN_LIST = 1106;    // list box without sort style or tab stop
constexpr int IDC_APPLY = 1107;         // push button
constexpr int IDC_DISABLED = 1108;      // push button disabled by the template
constexpr int IDC_FRAME = 1109;         // group box around the notify label
constexpr int IDC_NOTIFY_LABEL = 1110;  // static text with the notify style
// Controls of the other templates.
constexpr int IDC_GO = 1111;  // the default push button of IDD_OTHER_DEFAULT
constexpr int IDC_UNITS_BUTTON = 1201;
constexpr int IDC_UNITS_EDIT = 1202;
constexpr int IDC_UNITS_ICON = 1203;

// Icon 300: 32x32, red top-left quarter, blue top-right, lime bottom half.
constexpr UINT IDI_TEST = 300;
// Cursor 301, with its hot spot at (5, 7).
constexpr UINT IDC_TEST_CURSOR = 301;
constexpr int kTestCursorHotSpotX = 5;
constexpr int kTestCursorHotSpotY = 7;
// String 302: a system-menu item with the mnemonic Z.
constexpr UINT IDS_ZAP = 302;
constexpr UINT IDM_ZAP = 0x10;
