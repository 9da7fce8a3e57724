// The folder rule: one trailing backslash, and the empty text for a query
// that fails or does not fit.

#include <windows.h>

#include "install/folder.h"
#include "tests/unit/check.h"

namespace {

// What the fake query answers: the text it copies and the count it returns.
const char* g_answer;
UINT g_result;

UINT WINAPI FakeQuery(LPSTR buffer, UINT size)
{
    CHECK(size == MAX_PATH);
    if (g_answer)
        lstrcpynA(buffer, g_answer, size);
    else
        FillMemory(buffer, size, 'x'); // a failed query leaves nothing usable
    return g_result;
}

void AppliesTheFolderRule()
{
    struct Case {
        const char* answer;
        UINT result;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\Windows\\system32", 19, "C:\\Windows\\system32\\"},
        {"C:\\Windows\\", 11, "C:\\Windows\\"},
        {"D:\\", 3, "D:\\"},
        {nullptr, 0, ""},
        // Too long for the buffer: the query returns the size it needs.
        {nullptr, 300, ""},
        {nullptr, MAX_PATH, ""},
        // 淺 (9C 5C) ends the name: its trail byte is no backslash.
        {"C:\\x淺", 6, "C:\\x淺\\"},
        {"C:\\淺\\", 6, "C:\\淺\\"},
    };
    for (const Case& c : cases) {
        g_answer = c.answer;
        g_result = c.result;
        Text path = FolderPathFrom(FakeQuery);
        CHECK_TEXT(path.c_str(), c.expected);
    }
}

void TakesAFullLengthAnswer()
{
    char answer[MAX_PATH];
    FillMemory(answer, MAX_PATH - 1, 'a');
    answer[MAX_PATH - 1] = '\0';
    g_answer = answer;
    g_result = MAX_PATH - 1;
    Text path = FolderPathFrom(FakeQuery);
    CHECK(lstrlenA(path.c_str()) == MAX_PATH);
    CHECK(path.c_str()[MAX_PATH - 1] == '\\');
}

void AsksWindowsForTheRealFolders()
{
    char system[MAX_PATH];
    char windows[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    GetWindowsDirectoryA(windows, MAX_PATH);
    lstrcatA(system, "\\");
    lstrcatA(windows, "\\");
    CHECK_TEXT(FolderPath(FolderKind::System).c_str(), system);
    CHECK_TEXT(FolderPath(FolderKind::Windows).c_str(), windows);
}

} // namespace

int main()
{
    AppliesTheFolderRule();
    TakesAFullLengthAnswer();
    AsksWindowsForTheRealFolders();
    return check::Finish();
}
