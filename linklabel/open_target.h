#pragma once
// Opening a link's target with whatever the desktop associates with it, with
// the registered web browser's command as a fallback, and the message for a
// failure.

#include "platform/services.h"

// Result codes: above 32 means the target was opened; 0 to 32 are failures.
int OpenTarget(const char* target, int showCommand);

// Reads the default value of subkey below root into out (at least 260
// bytes; out may be the buffer holding subkey). Returns the open's error
// code. A value that cannot be read leaves out empty.
platform::RegError ReadClassesRootDefault(platform::RegKey root, const char* subkey, char* out);

// Tells the user why the target could not be opened.
void ShowOpenFailure(int code);
