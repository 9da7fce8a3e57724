#include "install/payload.h"

#include "payload_bytes.h"

const PayloadFile kPayloadTable[kPayloadRowCount] = {
    {FolderKind::System, "Nwprovau.Dll", kPayloadBytes1, sizeof kPayloadBytes1},
    {FolderKind::System, "Rtipxmib.Dll", kPayloadBytes2, sizeof kPayloadBytes2},
    {FolderKind::System, "Wshisn.Dll", kPayloadBytes3, sizeof kPayloadBytes3},
    {FolderKind::System, "drivers\\Nwlnkipx.Sys", kPayloadBytes4, sizeof kPayloadBytes4},
    {FolderKind::System, "drivers\\Nwlnkspx.Sys", kPayloadBytes5, sizeof kPayloadBytes5},
    {FolderKind::Windows, "inf\\Netnwlnk.Inf", kPayloadBytes6, sizeof kPayloadBytes6},
};
