#pragma once

#include <stddef.h>
#include <stdint.h>

// The base folder a carried file goes under.
enum class FolderKind { System, Windows };

// One carried file: where it goes and its exact bytes.
struct PayloadFile {
    FolderKind folder;
    const char* relativeName; // backslash-separated, below the base folder
    const unsigned char* bytes;
    uint32_t length;
};

// The carried files, in the order they are written.
constexpr size_t kPayloadRowCount = 6;
extern const PayloadFile kPayloadTable[kPayloadRowCount];
