// The tests' eyes and hands inside Wine: looks at another process's windows
// and message boxes from outside, and holds files open.
//
//   winprobe keep                  create a window and wait (keeps Wine's session up)
//   winprobe ready                 print "ready" once the keeper's window exists
//   winprobe msgbox EXE MS [KEEP]  wait up to MS for a message box of process EXE,
//                                  print what it shows, then dismiss it with OK
//                                  unless KEEP is given
//   winprobe click EXE HEX MS      wait up to MS for a button of process EXE whose
//                                  text has the bytes HEX, and click it
//   winprobe close EXE MS          wait up to MS for the main window of process EXE
//                                  and send it a close request (WM_CLOSE)
//   winprobe window EXE MS         wait up to MS for the main window of process EXE
//                                  and print its geometry, styles, controls (top of
//                                  the stacking order first) and focus
//   winprobe cwd EXE MS            wait up to MS for the main window of process EXE
//                                  and print that process's current directory
//   winprobe hold PATH MS          open PATH exclusively, print "held", keep it
//                                  open for MS milliseconds
//
// Texts are printed as hex of their bytes in the ANSI code page.

#include <windows.h>
#include <tlhelp32.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

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

struct ButtonSearch {
    const char* exe;
    char text[256];
    HWND found;
};

BOOL CALLBACK FindButtonIn(HWND child, LPARAM param)
{
    ButtonSearch* search = reinterpret_cast<ButtonSearch*>(param);
    char cls[16];
    char text[256];
    if (GetClassNameA(child, cls, sizeof cls) && lstrcmpiA(cls, "Button") == 0 &&
        GetWindowTextA(child, text, sizeof text) && strcmp(text, search->text) == 0) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindButton(HWND window, LPARAM param)
{
    ButtonSearch* search = reinterpret_cast<ButtonSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (IsWindowVisible(window) && ProcessNameIs(pid, search->exe))
        EnumChildWindows(window, FindButtonIn, param);
    return search->found ? FALSE : TRUE;
}

int Click(const char* exe, const char* hex, DWORD timeout)
{
    ButtonSearch search = {exe, "", nullptr};
    size_t n = 0;
    for (; hex[2 * n] && hex[2 * n + 1] && n + 1 < sizeof search.text; ++n) {
        char pair[3] = {hex[2 * n], hex[2 * n + 1], 0};
        search.text[n] = static_cast<char>(strtoul(pair, nullptr, 16));
    }
    search.text[n] = '\0';
    DWORD start = GetTickCount();
    while (!search.found && GetTickCount() - start < timeout) {
        EnumWindows(FindButton, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(100);
    }
    printf("found=%d\n", search.found ? 1 : 0);
    if (!search.found)
        return 1;
    PostMessageA(search.found, BM_CLICK, 0, 0);
    return 0;
}

struct MainSearch {
    const char* exe;
    HWND found;
};

BOOL CALLBACK FindMain(HWND window, LPARAM param)
{
    MainSearch* search = reinterpret_cast<MainSearch*>(param);
    char cls[64];
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    // Built hidden and shown once complete: a hidden one is not there yet.
    if (IsWindowVisible(window) && GetClassNameA(window, cls, sizeof cls) &&
        lstrcmpA(cls, "VelquistMainWindow") == 0 && ProcessNameIs(pid, search->exe)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForMain(const char* exe, DWORD timeout)
{
    MainSearch search = {exe, nullptr};
    DWORD start = GetTickCount();
    while (!search.found && GetTickCount() - start < timeout) {
        EnumWindows(FindMain, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(100);
    }
    return search.found;
}

int Close(const char* exe, DWORD timeout)
{
    HWND main = WaitForMain(exe, timeout);
    printf("found=%d\n", main ? 1 : 0);
    if (!main)
        return 1;
    PostMessageA(main, WM_CLOSE, 0, 0);
    return 0;
}

int Window(const char* exe, DWORD timeout)
{
    HWND main = WaitForMain(exe, timeout);
    printf("found=%d\n", main ? 1 : 0);
    if (!main)
        return 1;
    Sleep(300);
    RECT rect;
    GetWindowRect(main, &rect);
    printf("rect=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);
    char text[512];
    GetWindowTextA(main, text, sizeof text);
    PrintHex("caption", text);
    printf("style=%08lx\n", static_cast<unsigned long>(GetWindowLongA(main, GWL_STYLE)));
    printf("exstyle=%08lx\n", static_cast<unsigned long>(GetWindowLongA(main, GWL_EXSTYLE)));
    printf("class_style=%08lx\n", static_cast<unsigned long>(GetClassLongA(main, GCL_STYLE)));
    printf("class_icon=%d\n", GetClassLongA(main, GCL_HICON) ? 1 : 0);
    printf("owner=%d\n", GetWindow(main, GW_OWNER) ? 1 : 0);
    printf("enabled=%d\n", IsWindowEnabled(main) ? 1 : 0);
    printf("foreground=%d\n", GetForegroundWindow() == main ? 1 : 0);
    POINT origin = {0, 0};
    ClientToScreen(main, &origin);
    printf("client_origin=%ld,%ld\n", origin.x, origin.y);
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &gui);
    int index = 0;
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++index) {
        char cls[64];
        GetClassNameA(child, cls, sizeof cls);
        GetWindowTextA(child, text, sizeof text);
        RECT r;
        GetWindowRect(child, &r);
        printf("control%d.class=%s\n", index, cls);
        PrintHex(("control" + std::to_string(index) + ".text").c_str(), text);
        printf("control%d.rect=%ld,%ld,%ld,%ld\n", index, r.left - origin.x, r.top - origin.y,
               r.right - r.left, r.bottom - r.top);
        printf("control%d.style=%08lx\n", index, static_cast<unsigned long>(GetWindowLongA(child, GWL_STYLE)));
        printf("control%d.exstyle=%08lx\n", index, static_cast<unsigned long>(GetWindowLongA(child, GWL_EXSTYLE)));
        if (child == gui.hwndFocus)
            printf("focus=%d\n", index);
    }
    printf("controls=%d\n", index);

    // Hit-test the caption row and the frame, as the mouse would find them.
    LPARAM middle = 0;
    int row = rect.top + (origin.y - rect.top) / 2;
    for (int x = rect.right - 1; x > rect.left; --x) {
        LRESULT hit = SendMessageA(main, WM_NCHITTEST, 0, MAKELPARAM(x, row));
        if (hit == HTCLOSE && !middle) {
            middle = 1;
            printf("close_box=%d,%d\n", x - 4, row);
        }
        if (hit == HTMINBUTTON || hit == HTMAXBUTTON)
            printf("min_or_max_box=%d,%d\n", x, row);
    }
    LRESULT edge = SendMessageA(main, WM_NCHITTEST, 0, MAKELPARAM(rect.right - 1, (rect.top + rect.bottom) / 2));
    printf("right_edge_hit=%ld\n", static_cast<long>(edge));
    return 0;
}

// Reads the current directory out of the other process's parameters block.
int CurrentDirectory(const char* exe, DWORD timeout)
{
    HWND main = WaitForMain(exe, timeout);
    printf("found=%d\n", main ? 1 : 0);
    if (!main)
        return 1;
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    typedef LONG(WINAPI * QueryProcess)(HANDLE, int, void*, ULONG, ULONG*);
    QueryProcess query =
        reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    ULONG_PTR basic[6] = {}; // PROCESS_BASIC_INFORMATION: the PEB is the second field
    ULONG got = 0;
    if (!process || !query || query(process, 0, basic, sizeof basic, &got) != 0)
        return 1;
    ULONG_PTR parameters = 0;
    USHORT length = 0;
    ULONG_PTR buffer = 0;
    WCHAR path[1024] = {};
    SIZE_T read = 0;
    bool ok = ReadProcessMemory(process, reinterpret_cast<void*>(basic[1] + 0x10), &parameters, sizeof parameters, &read) &&
              ReadProcessMemory(process, reinterpret_cast<void*>(parameters + 0x24), &length, sizeof length, &read) &&
              ReadProcessMemory(process, reinterpret_cast<void*>(parameters + 0x28), &buffer, sizeof buffer, &read) &&
              length < sizeof path &&
              ReadProcessMemory(process, reinterpret_cast<void*>(buffer), path, length, &read);
    CloseHandle(process);
    if (!ok)
        return 1;
    char ansi[2048] = "";
    WideCharToMultiByte(CP_ACP, 0, path, length / 2, ansi, sizeof ansi - 1, nullptr, nullptr);
    PrintHex("cwd", ansi);
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
    if (argc >= 5 && strcmp(argv[1], "click") == 0)
        return Click(argv[2], argv[3], strtoul(argv[4], nullptr, 10));
    if (argc >= 4 && strcmp(argv[1], "window") == 0)
        return Window(argv[2], strtoul(argv[3], nullptr, 10));
    if (argc >= 4 && strcmp(argv[1], "cwd") == 0)
        return CurrentDirectory(argv[2], strtoul(argv[3], nullptr, 10));
    if (argc >= 4 && strcmp(argv[1], "close") == 0)
        return Close(argv[2], strtoul(argv[3], nullptr, 10));
    if (argc >= 4 && strcmp(argv[1], "hold") == 0)
        return Hold(argv[2], strtoul(argv[3], nullptr, 10));
    fprintf(stderr, "usage: winprobe keep|ready|msgbox EXE MS [keep]|click EXE HEX MS|close EXE MS|window EXE MS|cwd EXE MS|hold PATH MS\n");
    return 2;
}
