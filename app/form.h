#pragma once

#include <stddef.h>
#include <windows.h>

// What a handler ended with. Only the can-be-closed event looks at it, and
// only False refuses.
enum class HandlerResult { NoValue, True, False };

enum class ControlKind { Label, Button };
enum class Alignment { Left, Centre, Right };

// One control of a form, in the form's order.
struct ControlEntry {
    const char* name;
    ControlKind kind;
    int left, top, width, height; // client coordinates, outer size
    bool visible, enabled, tabStop;
    int tabOrder;
    const char* text;
    COLORREF textColour; // labels
    Alignment alignment; // labels
    bool wordWrap;       // labels
    void (*clicked)();   // buttons; the result is not looked at
};

// The window of a form and its controls.
struct Form {
    const char* caption;
    int width, height; // outer size
    HandlerResult (*canBeClosed)();
    const ControlEntry* controls;
    size_t controlCount;
};

extern const Form kMainForm;
