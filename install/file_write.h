#pragma once

#include <stdint.h>

// Replaces the file at `path` with exactly `length` bytes, or leaves it as it
// was. The bytes go to a temporary file beside the target, which takes the
// target's place only once it is complete. Refused, touching nothing, where a
// create-or-truncate open of the target would be refused: an empty path, a
// missing folder, a target that is a folder, read-only, hidden or system, or
// one that another process has open.
bool WriteFileReplacing(const char* path, const unsigned char* bytes, uint32_t length);
