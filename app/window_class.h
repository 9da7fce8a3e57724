#pragma once

#include <windows.h>

// Registers a class of the form's windows: double clicks, redrawn whole on
// resize, the arrow cursor and no background brush, since its windows paint
// all of their client area themselves. An existing class counts as success.
bool RegisterFormClass(HINSTANCE instance, const char* name, WNDPROC procedure);

// On WM_NCCREATE: keeps the window's creation data in its user data.
void KeepCreationData(HWND window, LPARAM createStruct);

// The creation data kept by KeepCreationData.
template <typename T>
T* CreationData(HWND window)
{
    return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}
