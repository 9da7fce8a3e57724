#pragma once

// The click on the help button: shows the manual set-up steps.
void HelpMessage();
