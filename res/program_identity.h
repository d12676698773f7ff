#pragma once
// Who the program is: its names, author and version. Plain constants, so the
// command-line calculator can share them without the dialog framework.

namespace program_identity {

inline constexpr const char* kTitle = "Vortex Shedding Calculator";
inline constexpr const char* kShortName = "VortexCalc";
inline constexpr const char* kAuthor = "the VortexCalc developers";
// Short enough for the About box's one-line field; the author is kAuthor.
inline constexpr const char* kCopyright = "Copyright (C) 1999";

// File and product version 1, 0, 0, 1.
inline constexpr unsigned short kVersion[4] = {1, 0, 0, 1};
inline constexpr const char* kVersionText = "1.0.0.1";

}  // namespace program_identity
