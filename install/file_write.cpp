#include "install/file_write.h"

#include <windows.h>

#include "common/handle.h"
#include "common/text.h"

namespace {

constexpr char kTempSuffix[] = ".vq~";

// A plain create-or-truncate open refuses these existing targets.
constexpr DWORD kRefusedAttributes =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

HANDLE OpenForWriting(const char* path, DWORD disposition)
{
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    return CreateFileA(path, GENERIC_WRITE, 0, &inheritable, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteAll(const char* path, const unsigned char* bytes, uint32_t length)
{
    FileHandle file(OpenForWriting(path, CREATE_ALWAYS));
    if (!file.IsOpen())
        return false;
    DWORD written = 0;
    bool ok = length == 0 || (WriteFile(file.get(), bytes, length, &written, nullptr) && written == length);
    return file.Close() && ok;
}

} // namespace

bool WriteFileReplacing(const char* path, const unsigned char* bytes, uint32_t length)
{
    if (!path || !*path)
        return false;

    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & kRefusedAttributes)
            return false;
        // Opening it as the plain write would tells whether we may: it fails
        // while another process has the file open, or without the right.
        FileHandle target(OpenForWriting(path, OPEN_EXISTING));
        if (!target.IsOpen())
            return false;
    }

    Text temp = TextJoin(2, path, kTempSuffix);
    if (!WriteAll(temp.c_str(), bytes, length)) {
        DeleteFileA(temp.c_str());
        return false;
    }
    if (!MoveFileExA(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temp.c_str());
        return false;
    }
    return true;
}
