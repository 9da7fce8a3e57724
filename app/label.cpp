#include "app/label.h"

#include "app/form.h"
#include "app/window_class.h"

const char kLabelClass[] = "VelquistLabel";

namespace {

UINT TextFormat(const ControlEntry& label)
{
    UINT format = DT_NOCLIP;
    if (label.alignment == Alignment::Centre)
        format |= DT_CENTER;
    else if (label.alignment == Alignment::Right)
        format |= DT_RIGHT;
    // Without DT_SINGLELINE, DT_VCENTER does nothing: wrapped text starts at
    // the top and breaks at CR LF and where a line would overflow.
    if (label.wordWrap)
        return format | DT_WORDBREAK | DT_VCENTER;
    return format | DT_SINGLELINE | DT_VCENTER;
}

void Paint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const ControlEntry* label = CreationData<const ControlEntry>(window);
    if (!IsRectEmpty(&paint.rcPaint) && label) {
        FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        char text[512];
        if (GetWindowTextA(window, text, sizeof text) > 0) {
            HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
            RECT client;
            GetClientRect(window, &client);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, label->textColour);
            DrawTextA(dc, text, -1, &client, TextFormat(*label));
            SelectObject(dc, oldFont);
        }
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        KeepCreationData(window, lParam);
        break;
    case WM_PAINT:
        Paint(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

bool RegisterLabelClass(HINSTANCE instance)
{
    return RegisterFormClass(instance, kLabelClass, LabelProc);
}
