#include "app/main_window.h"

#include "app/label.h"
#include "app/window_class.h"

namespace {

constexpr char kWindowClass[] = "VelquistMainWindow";
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kButtonStyle =
    WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr DWORD kLabelStyle = WS_CHILD | WS_CLIPSIBLINGS;
constexpr int kFirstControlId = 100;

MainWindow* StateOf(HWND window)
{
    return CreationData<MainWindow>(window);
}

HWND Control(const MainWindow& main, size_t index)
{
    return GetDlgItem(main.window, kFirstControlId + static_cast<int>(index));
}

bool IsTabStop(const MainWindow& main, size_t index)
{
    const ControlEntry& entry = main.form->controls[index];
    HWND control = Control(main, index);
    return entry.tabStop && IsWindowVisible(control) && IsWindowEnabled(control);
}

// Tab order: by tab-order value; among equal values the later control of
// the form comes first.
bool ComesBefore(const MainWindow& main, size_t a, size_t b)
{
    int ta = main.form->controls[a].tabOrder;
    int tb = main.form->controls[b].tabOrder;
    return ta != tb ? ta < tb : a > b;
}

// The tab-stop control `step` places after (or before) `from` in tab order,
// with wrap-around; the first in tab order when `from` is none of them.
HWND TabNeighbour(const MainWindow& main, HWND from, int step)
{
    size_t order[16];
    size_t count = 0;
    for (size_t i = 0; i < main.form->controlCount && count < 16; ++i) {
        if (!IsTabStop(main, i))
            continue;
        size_t at = count++;
        for (; at > 0 && ComesBefore(main, i, order[at - 1]); --at)
            order[at] = order[at - 1];
        order[at] = i;
    }
    if (count == 0)
        return nullptr;
    for (size_t k = 0; k < count; ++k) {
        if (Control(main, order[k]) == from)
            return Control(main, order[(k + count + step) % count]);
    }
    return Control(main, order[0]);
}

void OnCommand(HWND window, WPARAM wParam)
{
    MainWindow* main = StateOf(window);
    size_t index = static_cast<size_t>(LOWORD(wParam) - kFirstControlId);
    if (HIWORD(wParam) != BN_CLICKED || index >= main->form->controlCount)
        return;
    if (void (*clicked)() = main->form->controls[index].clicked)
        clicked();
}

HandlerResult CanBeClosed(HWND window)
{
    HandlerResult (*handler)() = StateOf(window)->form->canBeClosed;
    return handler ? handler() : HandlerResult::NoValue;
}

LRESULT OnClose(HWND window)
{
    HandlerResult result = CanBeClosed(window);
    if (!IsWindow(window) || result == HandlerResult::False)
        return 0;
    return DefWindowProcA(window, WM_CLOSE, 0, 0);
}

LRESULT OnQueryEndSession(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (!DefWindowProcA(window, WM_QUERYENDSESSION, wParam, lParam))
        return FALSE;
    HandlerResult result = CanBeClosed(window);
    return IsWindow(window) && result == HandlerResult::False ? FALSE : TRUE;
}

void OnActivate(HWND window, WPARAM wParam)
{
    if (LOWORD(wParam) != WA_INACTIVE)
        return;
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus))
        StateOf(window)->remembered = focus;
}

void OnSetFocus(HWND window)
{
    MainWindow* main = StateOf(window);
    HWND target = main->remembered && IsWindow(main->remembered) ? main->remembered
                                                                 : TabNeighbour(*main, nullptr, 0);
    if (target)
        SetFocus(target);
}

void OnPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(window, &paint);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        KeepCreationData(window, lParam);
        break;
    case WM_COMMAND:
        OnCommand(window, wParam);
        return 0;
    case WM_CLOSE:
        return OnClose(window);
    case WM_QUERYENDSESSION:
        return OnQueryEndSession(window, wParam, lParam);
    case WM_ACTIVATE:
        OnActivate(window, wParam);
        break; // the default processing gives the window the focus

    case WM_SETFOCUS:
        OnSetFocus(window);
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_DESTROY:
        // The only window of the program: its end is the program's.
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool CreateControl(const MainWindow& main, size_t index, HINSTANCE instance)
{
    const ControlEntry& entry = main.form->controls[index];
    bool button = entry.kind == ControlKind::Button;
    DWORD style = (button ? kButtonStyle : kLabelStyle) | (entry.enabled ? 0 : WS_DISABLED);
    HWND control = CreateWindowExA(0, button ? "BUTTON" : kLabelClass, entry.text, style, entry.left, entry.top,
                                   entry.width, entry.height, main.window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)),
                                   instance, const_cast<ControlEntry*>(&entry));
    if (!control)
        return false;
    if (button)
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return true;
}

} // namespace

bool BuildMainWindow(const Form& form, MainWindow* main)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterFormClass(instance, kWindowClass, MainWindowProc) || !RegisterLabelClass(instance))
        return false;
    main->form = &form;

    int left = (GetSystemMetrics(SM_CXSCREEN) - form.width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - form.height) / 2;
    main->window = CreateWindowExA(0, kWindowClass, form.caption, kWindowStyle, left, top, form.width, form.height,
                                   nullptr, nullptr, instance, main);
    if (!main->window)
        return false;
    RECT outer;
    GetWindowRect(main->window, &outer);
    if (outer.right - outer.left != form.width || outer.bottom - outer.top != form.height)
        SetWindowPos(main->window, nullptr, left, top, form.width, form.height, SWP_NOZORDER | SWP_NOACTIVATE);

    // Both icons from the 64-pixel image; Windows scales it where it shows it.
    HANDLE icon = LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, 64, 64, LR_SHARED);
    SendMessageA(main->window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(main->window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessageA(main->window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

    for (size_t i = form.controlCount; i-- > 0;) {
        if (!CreateControl(*main, i, instance))
            return false;
    }
    HWND above = HWND_TOP;
    for (size_t i = 0; i < form.controlCount; ++i) {
        HWND control = Control(*main, i);
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
    for (size_t i = 0; i < form.controlCount; ++i) {
        if (form.controls[i].visible)
            ShowWindow(Control(*main, i), SW_SHOWNA);
    }
    ShowWindow(main->window, SW_SHOW);
    return true;
}

bool MainWindowTakesKey(const MainWindow& main, const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || !main.window || (msg.hwnd != main.window && !IsChild(main.window, msg.hwnd)))
        return false;
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    bool alt = GetKeyState(VK_MENU) < 0;
    bool shift = GetKeyState(VK_SHIFT) < 0;
    if (msg.wParam == VK_TAB && !ctrl && !alt) {
        if (HWND next = TabNeighbour(main, GetFocus(), shift ? -1 : 1))
            SetFocus(next);
        return true;
    }
    if (msg.wParam == VK_ESCAPE && !ctrl && !alt && !shift) {
        SendMessageA(main.window, WM_CLOSE, 0, 0);
        return true;
    }
    return false;
}
