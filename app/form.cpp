#include "app/form.h"

#include "common/texts.h"
#include "guide/close_page.h"
#include "guide/help.h"
#include "install/install_command.h"

namespace {

// Form order: the first control is stacked on top.
const ControlEntry kControls[] = {
    {"标签3", ControlKind::Label, 8, 3, 272, 24, true, true, false, 0, kTextWarning, RGB(255, 0, 0),
     Alignment::Left, false, nullptr},
    {"标签2", ControlKind::Label, 8, 128, 272, 32, true, true, false, 0, kTextCredit, RGB(0, 96, 192),
     Alignment::Centre, true, nullptr},
    {"标签1", ControlKind::Label, 8, 80, 272, 48, true, true, false, 0, kTextUsage, RGB(0, 0, 0),
     Alignment::Left, true, nullptr},
    {"按钮2", ControlKind::Button, 152, 32, 128, 32, true, true, true, 0, kTextHelpButton, 0, Alignment::Centre,
     false, HelpMessage},
    {"按钮1", ControlKind::Button, 8, 32, 128, 32, true, true, true, 0, kTextInstallButton, 0, Alignment::Centre,
     false, InstallCommand},
};

} // namespace

const Form kMainForm = {kTextCaption, 295, 193, CloseTimePage, kControls, sizeof kControls / sizeof kControls[0]};
