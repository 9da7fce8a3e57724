#include "common/fatal.h"

#include <windows.h>

#include "common/message_box.h"
#include "common/texts.h"

void FatalError(const char* what)
{
    // Memory may be what ran out, so the message is built on the stack.
    char message[512];
    wsprintfA(message, kTextFatalFormat, what);
    ShowMessage(message, MB_ICONERROR | MB_OK, kTextFatalTitle);
    ExitProcess(static_cast<UINT>(-1));
}

void FatalOutOfMemory(size_t bytes)
{
    char what[128];
    wsprintfA(what, kTextOutOfMemoryFormat, static_cast<unsigned>(bytes));
    FatalError(what);
}
