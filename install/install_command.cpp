#include "install/install_command.h"

#include <windows.h>

#include "common/message_box.h"
#include "common/text.h"
#include "common/texts.h"
#include "install/file_write.h"
#include "install/folder.h"
#include "install/payload.h"

namespace {

// The folder path is released as soon as it is joined.
Text TargetPath(const PayloadFile& file)
{
    Text folder = FolderPath(file.folder);
    return TextJoin(2, folder.c_str(), file.relativeName);
}

// The joined path is released as soon as the write is over.
bool WriteRow(const PayloadFile& file)
{
    Text path = TargetPath(file);
    return WriteFileReplacing(path.c_str(), file.bytes, file.length);
}

} // namespace

void InstallCommand()
{
    for (const PayloadFile& file : kPayloadTable) {
        if (!WriteRow(file)) {
            ShowMessage(kTextInstallFailed, MB_ICONERROR | MB_OK);
            return;
        }
    }
    ShowMessage(kTextInstallDone, MB_ICONINFORMATION | MB_OK);
}
