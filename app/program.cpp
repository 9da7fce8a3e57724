#include "app/program.h"

#include "app/main_window.h"
#include "common/fatal.h"
#include "common/text.h"
#include "common/texts.h"

namespace {

// The folder of the executable becomes the current directory. A path cut
// short by the buffer would name some other folder: then nothing changes.
void EnterProgramFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    int slash = LastBackslash(path);
    if (slash < 0)
        return;
    path[slash] = '\0';
    SetCurrentDirectoryA(path);
}

int MessageLoop(const MainWindow& main)
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (MainWindowTakesKey(main, msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

} // namespace

int RunForm(const Form& form)
{
    MainWindow main;
    if (!BuildMainWindow(form, &main))
        FatalError(kTextWindowFailed);
    return MessageLoop(main);
}

int ProgramMain()
{
    EnterProgramFolder();
    return RunForm(kMainForm);
}
