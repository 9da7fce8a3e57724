#include "install/folder.h"

Text FolderPathFrom(FolderQuery query)
{
    char buffer[MAX_PATH];
    UINT length = query(buffer, MAX_PATH);
    // An answer that does not fit comes back as the size it needs, and the
    // buffer then holds nothing usable.
    if (length == 0 || length >= MAX_PATH)
        return TextJoin(0);
    buffer[length] = '\0';
    if (LastBackslash(buffer) == static_cast<int>(length) - 1)
        return TextJoin(1, buffer);
    return TextJoin(2, buffer, "\\");
}

Text FolderPath(FolderKind kind)
{
    return FolderPathFrom(kind == FolderKind::System ? GetSystemDirectoryA : GetWindowsDirectoryA);
}
