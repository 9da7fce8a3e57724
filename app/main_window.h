#pragma once

#include <windows.h>

#include "app/form.h"

// A window built from a form. Owned by the start sequence, which outlives
// the window.
struct MainWindow {
    const Form* form = nullptr;
    HWND window = nullptr;
    HWND remembered = nullptr; // the control that had the focus on deactivation
};

// Builds the window and its controls from the form and shows it; false if
// the window or a control cannot be created.
bool BuildMainWindow(const Form& form, MainWindow* main);

// The window's keyboard handling, offered every message before dispatch:
// Tab and Shift+Tab move the focus, Esc asks to close. True if it took the key.
bool MainWindowTakesKey(const MainWindow& main, const MSG& msg);
