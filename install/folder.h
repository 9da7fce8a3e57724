#pragma once

#include <windows.h>

#include "common/text.h"
#include "install/payload.h"

// A folder query with the shape of GetSystemDirectoryA.
typedef UINT(WINAPI* FolderQuery)(LPSTR buffer, UINT size);

// The folder the query names, ending in exactly one backslash; the empty
// text when the query fails or its answer does not fit the buffer.
Text FolderPathFrom(FolderQuery query);

// The base folder of a carried file.
Text FolderPath(FolderKind kind);
