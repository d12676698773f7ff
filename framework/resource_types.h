#pragma once
// What a program's resources are made of: dialog templates, icons, cursors,
// strings and the version record. The program hands its resources to the
// framework with AfxSetResources before it opens any dialog, as a module's
// resource section is there before its code runs.

#include <array>
#include <span>

#include "framework/win_types.h"

// Window classes of template controls.
enum class ControlClass { Button, Edit, ListBox, Static };

// One control of a dialog template, positioned in dialog units.
struct DialogItemTemplate {
  ControlClass windowClass;
  const char* text;  // for an icon static, the icon's resource id as "#128"
  int id;            // IDC_STATIC (-1) when the program never names it
  short x, y, cx, cy;
  DWORD style;  // WS_CHILD and WS_VISIBLE are implied
  DWORD exStyle = 0;
};

// A dialog template: caption, styles, font, size in dialog units and the
// controls in template order, which is also creation and tab order.
struct DialogTemplate {
  UINT id;
  const char* caption;
  DWORD style;
  DWORD exStyle;
  const char* fontFace;
  int pointSize;
  short x, y, cx, cy;
  std::span<const DialogItemTemplate> items;
};

// A 16-colour image: one character a pixel, '.' transparent, '0'..'9' and
// 'a'..'f' the classic palette: 0 black, 1 maroon, 2 green, 3 olive, 4 navy,
// 5 purple, 6 teal, 7 silver, 8 grey, 9 red, a lime, b yellow, c blue,
// d fuchsia, e aqua, f white.
template <int N>
using IconImage = std::array<const char*, N>;

struct IconResource {
  UINT id;
  IconImage<32> large;  // 32x32
  IconImage<16> small;  // 16x16
};

// A 32x32 monochrome cursor: '#' black, 'o' white, '.' transparent.
struct CursorResource {
  UINT id;
  IconImage<32> image;
  int hotSpotX;
  int hotSpotY;
};

struct StringResource {
  UINT id;
  const char* text;
};

// The version record.
struct VersionResource {
  const char* language;  // language and code page, e.g. "040904B0"
  std::array<WORD, 4> fileVersion;
  std::array<WORD, 4> productVersion;
  const char* companyName;
  const char* fileDescription;
  const char* internalName;
  const char* legalCopyright;
  const char* originalFilename;
  const char* productName;
};

struct ResourceModule {
  std::span<const DialogTemplate* const> dialogs;
  std::span<const IconResource* const> icons;
  std::span<const CursorResource* const> cursors;
  std::span<const StringResource> strings;
  const VersionResource* version;
};

// Makes module the resources that templates, icons, cursors and strings are
// looked up in. module must live as long as anything uses it.
void AfxSetResources(const ResourceModule& module);
