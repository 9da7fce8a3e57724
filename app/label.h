#pragma once

#include <windows.h>

// The class of the form's labels; the window's creation data is the label's
// ControlEntry. False if the class cannot be registered.
extern const char kLabelClass[];
bool RegisterLabelClass(HINSTANCE instance);
