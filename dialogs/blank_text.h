#pragma once

// What the dialogs write into a field to clear it: a single space, never
// the empty string.
inline constexpr const char* kBlankText = " ";
