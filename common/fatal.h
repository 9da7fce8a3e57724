#pragma once

#include <stddef.h>

// The one way an unrecoverable condition ends the program: an error box
// saying what failed, then exit code -1.
[[noreturn]] void FatalError(const char* what);
[[noreturn]] void FatalOutOfMemory(size_t bytes);
