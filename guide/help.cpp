#include "guide/help.h"

// The help text comes with the guidance; until then the button does nothing.
void HelpMessage() {}
