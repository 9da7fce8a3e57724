// The file write: new and replaced files get exactly the bytes; refused
// writes leave the target as it was and no stray file in its folder.
//
// Run as "file_write_test hold PATH" it opens PATH exclusively and waits,
// standing in for another process that has the file open.

#include <windows.h>

#include <string.h>

#include "install/file_write.h"
#include "tests/unit/check.h"

namespace {

char g_folder[MAX_PATH];

const char* InFolder(const char* name)
{
    static char path[MAX_PATH];
    wsprintfA(path, "%s\\%s", g_folder, name);
    return path;
}

bool MakeFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    wsprintfA(g_folder, "%svq-write-%lu", temp, GetCurrentProcessId());
    return CreateDirectoryA(g_folder, nullptr) != 0;
}

void PutFile(const char* path, const char* content)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, content, lstrlenA(content), &written, nullptr);
    CloseHandle(file);
}

// The file's content as text, or "<absent>".
const char* Content(const char* path)
{
    static char buffer[4096];
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<absent>";
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr);
    buffer[read] = '\0';
    CloseHandle(file);
    return buffer;
}

// The names in the test folder, sorted, joined by spaces.
const char* Listing()
{
    static char listing[4096];
    char names[32][MAX_PATH];
    int count = 0;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(InFolder("*"), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (strcmp(found.cFileName, ".") && strcmp(found.cFileName, "..") && count < 32)
                lstrcpyA(names[count++], found.cFileName);
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    for (int i = 1; i < count; ++i)
        for (int j = i; j > 0 && lstrcmpA(names[j - 1], names[j]) > 0; --j) {
            char swap[MAX_PATH];
            lstrcpyA(swap, names[j]);
            lstrcpyA(names[j], names[j - 1]);
            lstrcpyA(names[j - 1], swap);
        }
    listing[0] = '\0';
    for (int i = 0; i < count; ++i) {
        if (i)
            lstrcatA(listing, " ");
        lstrcatA(listing, names[i]);
    }
    return listing;
}

void Clear()
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(InFolder("*"), &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!strcmp(found.cFileName, ".") || !strcmp(found.cFileName, ".."))
            continue;
        char path[MAX_PATH];
        lstrcpyA(path, InFolder(found.cFileName));
        SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveDirectoryA(path);
        else
            DeleteFileA(path);
    } while (FindNextFileA(find, &found));
    FindClose(find);
}

bool Write(const char* path, const char* content)
{
    return WriteFileReplacing(path, reinterpret_cast<const unsigned char*>(content), lstrlenA(content));
}

void WritesNewAndReplacedFilesExactly()
{
    struct Case {
        const char* before; // nullptr: no file yet
        const char* bytes;
    };
    const Case cases[] = {
        {nullptr, "new file"},
        {"a much longer earlier content", "short"},
        {"old", "longer than what was there"},
        {"same", "same"},
    };
    for (const Case& c : cases) {
        Clear();
        const char* target = InFolder("Wshisn.Dll");
        if (c.before)
            PutFile(target, c.before);
        CHECK(Write(target, c.bytes));
        CHECK_TEXT(Content(target), c.bytes);
        CHECK_TEXT(Listing(), "Wshisn.Dll");
    }
}

void WritesBinaryBytesUnchanged()
{
    Clear();
    unsigned char bytes[512];
    for (int i = 0; i < 512; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + (i >> 8));
    bytes[0] = 0xFF;
    bytes[1] = 0xFE;
    const char* target = InFolder("Netnwlnk.Inf");
    CHECK(WriteFileReplacing(target, bytes, sizeof bytes));
    unsigned char back[600];
    DWORD read = 0;
    HANDLE file = CreateFileA(target, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ReadFile(file, back, sizeof back, &read, nullptr);
    CloseHandle(file);
    CHECK(read == sizeof bytes && memcmp(back, bytes, sizeof bytes) == 0);
}

// Starts a second process that holds `path` open; returns its handle.
HANDLE HoldInAnotherProcess(const char* path)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    char command[3 * MAX_PATH];
    wsprintfA(command, "\"%s\" hold \"%s\"", self, path);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    // Held once opening it here fails for sharing.
    for (int i = 0; i < 200; ++i) {
        HANDLE probe = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
        if (probe == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION)
            return process.hProcess;
        if (probe != INVALID_HANDLE_VALUE)
            CloseHandle(probe);
        Sleep(50);
    }
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    return nullptr;
}

void RefusesWhatAPlainOpenWouldRefuse()
{
    enum Setup { Directory, MissingFolder, ReadOnly, Hidden, System, HeldOpen, EmptyPath };
    struct Case {
        Setup setup;
        const char* name;
    };
    const Case cases[] = {
        {Directory, "directory in the way"},
        {MissingFolder, "missing folder"},
        {ReadOnly, "read-only target"},
        {Hidden, "hidden target"},
        {System, "system target"},
        {HeldOpen, "target held open by another process"},
        {EmptyPath, "empty path"},
    };
    for (const Case& c : cases) {
        Clear();
        const char* target = InFolder("Nwlnkipx.Sys");
        HANDLE holder = nullptr;
        const char* listing = "Nwlnkipx.Sys";
        const char* before = "earlier driver";
        switch (c.setup) {
        case Directory:
            CreateDirectoryA(target, nullptr);
            before = "<absent>";
            break;
        case MissingFolder:
            target = InFolder("drivers\\Nwlnkipx.Sys");
            listing = "";
            before = "<absent>";
            break;
        case ReadOnly:
        case Hidden:
        case System: {
            PutFile(target, before);
            DWORD attribute = c.setup == ReadOnly ? FILE_ATTRIBUTE_READONLY
                              : c.setup == Hidden ? FILE_ATTRIBUTE_HIDDEN
                                                  : FILE_ATTRIBUTE_SYSTEM;
            SetFileAttributesA(target, attribute);
            if (!(GetFileAttributesA(target) & attribute)) {
                printf("note: this file system cannot mark a file %s; case skipped\n", c.name);
                continue;
            }
            break;
        }
        case HeldOpen:
            PutFile(target, before);
            holder = HoldInAnotherProcess(target);
            CHECK(holder != nullptr);
            break;
        case EmptyPath:
            PutFile(target, before);
            break;
        }
        bool written = Write(c.setup == EmptyPath ? "" : target, "new driver bytes");
        if (holder) {
            TerminateProcess(holder, 0);
            WaitForSingleObject(holder, 5000);
            CloseHandle(holder);
        }
        if (written)
            printf("refusal not made: %s\n", c.name);
        CHECK(!written);
        if (c.setup != Directory)
            CHECK_TEXT(Content(target), before);
        CHECK_TEXT(Listing(), listing);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], "hold") == 0) {
        HANDLE file = CreateFileA(argv[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        Sleep(INFINITE);
        CloseHandle(file);
        return 0;
    }
    if (!MakeFolder()) {
        printf("cannot create the test folder\n");
        return 1;
    }
    WritesNewAndReplacedFilesExactly();
    WritesBinaryBytesUnchanged();
    RefusesWhatAPlainOpenWouldRefuse();
    Clear();
    RemoveDirectoryA(g_folder);
    return check::Finish();
}
