// The tests' eyes and hands inside Wine: looks at another process's windows
// and message boxes from outside, and holds files open.
//
//   winprobe keep                  create a window and wait (keeps Wine's session up)
//   winprobe ready                 print "ready" once the keeper's window exists
//   winprobe msgbox EXE MS [KEEP]  wait up to MS for a message box of process EXE,
//                                  print what it shows, then dismiss it with OK
//                                  unless KEEP is given
//   winprobe hold PATH MS          open PATH exclusively, print "held", keep it
//                                  open for MS milliseconds
//
// Texts are printed as hex of their bytes in the ANSI code page.

#include <windows.h>
#include <tlhelp32.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

constexpr char kKeeperClass[] = "VelquistTestKeeper";
// The icon control of Wine's message box.
constexpr int kMessageBoxIconId = 1088;

void PrintHex(const char* name, const char* bytes)
{
    printf("%s=", name);
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes); *p; ++p)
        printf("%02x", *p);
    printf("\n");
}

bool ProcessNameIs(DWORD pid, const char* exe)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool match = false;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == pid) {
            match = lstrcmpiA(entry.szExeFile, exe) == 0;
            break;
        }
    }
    CloseHandle(snapshot);
    return match;
}

struct BoxSearch {
    const char* exe;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param)
{
    BoxSearch* search = reinterpret_cast<BoxSearch*>(param);
    char cls[64];
    if (!GetClassNameA(window, cls, sizeof cls) || lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (!ProcessNameIs(pid, search->exe))
        return TRUE;
    search->found = window;
    return FALSE;
}

struct ThreadWindows {
    HWND box;
    int others;
    int disabled;
};

BOOL CALLBACK CountThreadWindows(HWND window, LPARAM param)
{
    ThreadWindows* windows = reinterpret_cast<ThreadWindows*>(param);
    if (window == windows->box || !IsWindowVisible(window))
        return TRUE;
    ++windows->others;
    if (!IsWindowEnabled(window))
        ++windows->disabled;
    return TRUE;
}

BOOL CALLBACK CountButtons(HWND child, LPARAM param)
{
    char cls[32];
    if (GetClassNameA(child, cls, sizeof cls) && lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child))
        ++*reinterpret_cast<int*>(param);
    return TRUE;
}

int MessageBoxProbe(const char* exe, DWORD timeout, bool keep)
{
    BoxSearch search = {exe, nullptr};
    DWORD start = GetTickCount();
    while (!search.found && GetTickCount() - start < timeout) {
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(100);
    }
    if (!search.found) {
        printf("found=0\n");
        return 1;
    }
    HWND box = search.found;
    // Let the box finish laying itself out before it is read.
    Sleep(300);

    char text[4096] = "";
    char title[512] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    GetWindowTextA(box, title, sizeof title);
    printf("found=1\n");
    PrintHex("text", text);
    PrintHex("title", title);
    printf("owner=%d\n", GetWindow(box, GW_OWNER) ? 1 : 0);
    printf("topmost=%d\n", (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
    int buttons = 0;
    EnumChildWindows(box, CountButtons, reinterpret_cast<LPARAM>(&buttons));
    printf("buttons=%d\n", buttons);
    printf("ok_button=%d\n", GetDlgItem(box, IDOK) ? 1 : 0);

    HWND icon = GetDlgItem(box, kMessageBoxIconId);
    RECT rect = {};
    bool shown = icon && IsWindowVisible(icon) && GetWindowRect(icon, &rect);
    printf("icon_shown=%d\n", shown ? 1 : 0);
    printf("icon_rect=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);

    ThreadWindows windows = {box, 0, 0};
    EnumThreadWindows(GetWindowThreadProcessId(box, nullptr), CountThreadWindows,
                      reinterpret_cast<LPARAM>(&windows));
    printf("thread_windows=%d\n", windows.others);
    printf("thread_windows_disabled=%d\n", windows.disabled);
    fflush(stdout);

    if (!keep)
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    return 0;
}

int Keep()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kKeeperClass;
    RegisterClassA(&wc);
    CreateWindowExA(0, kKeeperClass, "keeper", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}

int Hold(const char* path, DWORD ms)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        printf("error=%lu\n", GetLastError());
        return 1;
    }
    printf("held\n");
    fflush(stdout);
    Sleep(ms);
    CloseHandle(file);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && strcmp(argv[1], "keep") == 0)
        return Keep();
    if (argc >= 2 && strcmp(argv[1], "ready") == 0) {
        if (!FindWindowA(kKeeperClass, nullptr))
            return 1;
        printf("ready\n");
        return 0;
    }
    if (argc >= 4 && strcmp(argv[1], "msgbox") == 0)
        return MessageBoxProbe(argv[2], strtoul(argv[3], nullptr, 10), argc >= 5);
    if (argc >= 4 && strcmp(argv[1], "hold") == 0)
        return Hold(argv[2], strtoul(argv[3], nullptr, 10));
    fprintf(stderr, "usage: winprobe keep|ready|msgbox EXE MS [keep]|hold PATH MS\n");
    return 2;
}
