#pragma once

// Shows a message box with no owner window. The box is task-modal unless the
// flags ask for a system-modal one; with no title, the title is "信息：".
void ShowMessage(const char* text, unsigned flags, const char* title = nullptr);
