#pragma once

#include "app/form.h"

// The window's can-be-closed handler: opens the maker's page as the window goes.
HandlerResult CloseTimePage();
