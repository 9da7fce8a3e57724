#pragma once

#include "app/form.h"

// The start sequence: the program folder becomes the current directory,
// the main window is built and shown, and the message loop runs. Returns
// the exit code.
int ProgramMain();

// Builds the form's window (a fatal error if it cannot be created) and runs
// the message loop until the window is gone. Returns the quit code.
int RunForm(const Form& form);
