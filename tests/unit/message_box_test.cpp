// The message box service and the fatal error, watched from a second thread
// and from a second process.
//
// Run as "message_box_test oom" it runs out of memory in TextJoin.

#include <windows.h>

#include <string.h>

#include "common/message_box.h"
#include "common/text.h"
#include "common/texts.h"
#include "tests/unit/check.h"

namespace {

struct Seen {
    DWORD thread;
    HWND other; // a window of the showing thread
    bool found;
    char title[256];
    char text[256];
    bool owned;
    bool otherEnabled;
    bool topmost;
};

BOOL CALLBACK FindThreadBox(HWND window, LPARAM param)
{
    char cls[16];
    if (GetClassNameA(window, cls, sizeof cls) && strcmp(cls, "#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

DWORD WINAPI Watch(void* param)
{
    Seen* seen = static_cast<Seen*>(param);
    HWND box = nullptr;
    for (int i = 0; i < 200 && !box; ++i) {
        EnumThreadWindows(seen->thread, FindThreadBox, reinterpret_cast<LPARAM>(&box));
        if (!box)
            Sleep(50);
    }
    if (!box)
        return 0;
    Sleep(200);
    seen->found = true;
    GetWindowTextA(box, seen->title, sizeof seen->title);
    GetDlgItemTextA(box, 0xFFFF, seen->text, sizeof seen->text);
    seen->owned = GetWindow(box, GW_OWNER) != nullptr;
    seen->otherEnabled = IsWindowEnabled(seen->other) != FALSE;
    seen->topmost = (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return 0;
}

Seen Show(HWND other, const char* text, unsigned flags, const char* title)
{
    Seen seen = {};
    seen.thread = GetCurrentThreadId();
    seen.other = other;
    HANDLE watcher = CreateThread(nullptr, 0, Watch, &seen, 0, nullptr);
    ShowMessage(text, flags, title);
    WaitForSingleObject(watcher, INFINITE);
    CloseHandle(watcher);
    return seen;
}

void ShowsTaskModalBoxesWithTheDefaultTitle()
{
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    CHECK(other != nullptr);

    Seen seen = Show(other, "hello", MB_ICONINFORMATION | MB_OK, nullptr);
    CHECK(seen.found);
    CHECK_TEXT(seen.title, kTextDefaultTitle);
    CHECK_TEXT(seen.text, "hello");
    CHECK(!seen.owned);
    CHECK(!seen.otherEnabled); // task-modal: the thread's windows are disabled
    CHECK(!seen.topmost);
    CHECK(IsWindowEnabled(other));

    seen = Show(other, "system", MB_ICONERROR | MB_OK | MB_SYSTEMMODAL, "T");
    CHECK(seen.found);
    CHECK_TEXT(seen.title, "T");
    CHECK(!seen.owned);
    CHECK(seen.otherEnabled); // not made task-modal
    CHECK(seen.topmost);

    DestroyWindow(other);
}

struct ProcessBox {
    DWORD pid;
    HWND box;
};

BOOL CALLBACK FindProcessBox(HWND window, LPARAM param)
{
    ProcessBox* search = reinterpret_cast<ProcessBox*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[16];
    if (pid == search->pid && GetClassNameA(window, cls, sizeof cls) && strcmp(cls, "#32770") == 0 &&
        IsWindowVisible(window)) {
        search->box = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CountButtons(HWND child, LPARAM param)
{
    char cls[16];
    if (GetClassNameA(child, cls, sizeof cls) && lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child))
        ++*reinterpret_cast<int*>(param);
    return TRUE;
}

void EndsWithTheFatalErrorWhenMemoryRunsOut()
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    char command[MAX_PATH + 16];
    wsprintfA(command, "\"%s\" oom", self);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    CHECK(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    CloseHandle(process.hThread);

    ProcessBox search = {process.dwProcessId, nullptr};
    for (int i = 0; i < 1200 && !search.box; ++i) {
        EnumWindows(FindProcessBox, reinterpret_cast<LPARAM>(&search));
        if (!search.box)
            Sleep(50);
    }
    CHECK(search.box != nullptr);
    if (search.box) {
        Sleep(200);
        char title[256] = "";
        char text[512] = "";
        GetWindowTextA(search.box, title, sizeof title);
        GetDlgItemTextA(search.box, 0xFFFF, text, sizeof text);
        CHECK_TEXT(title, kTextFatalTitle);
        // Three texts of 768 MiB less their NUL, and one NUL.
        CHECK(strstr(text, "2415919102") != nullptr);
        CHECK(GetWindow(search.box, GW_OWNER) == nullptr);
        int buttons = 0;
        EnumChildWindows(search.box, CountButtons, reinterpret_cast<LPARAM>(&buttons));
        CHECK(buttons == 1 && GetDlgItem(search.box, IDOK) != nullptr);
        // Nothing ends the process while the box is up.
        CHECK(WaitForSingleObject(process.hProcess, 500) == WAIT_TIMEOUT);
        PostMessageA(search.box, WM_COMMAND, IDOK, 0);
    }
    CHECK(WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CHECK(code == 0xFFFFFFFF);
    if (code != 0xFFFFFFFF)
        TerminateProcess(process.hProcess, 0);
    CloseHandle(process.hProcess);
}

int RunOutOfMemory()
{
    const SIZE_T size = 768u << 20;
    char* big = static_cast<char*>(VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    if (!big)
        return 2;
    FillMemory(big, size - 1, 'a');
    TextJoin(3, big, big, big);
    return 3; // not reached: the fatal error ends the process
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && strcmp(argv[1], "oom") == 0)
        return RunOutOfMemory();
    ShowsTaskModalBoxesWithTheDefaultTitle();
    EndsWithTheFatalErrorWhenMemoryRunsOut();
    return check::Finish();
}
