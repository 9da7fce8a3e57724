#include "common/message_box.h"

#include <windows.h>

#include "common/texts.h"

void ShowMessage(const char* text, unsigned flags, const char* title)
{
    if (!(flags & MB_SYSTEMMODAL))
        flags |= MB_TASKMODAL;
    MessageBoxA(nullptr, text ? text : "", title ? title : kTextDefaultTitle, flags);
}
