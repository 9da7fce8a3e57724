#pragma once

// The program's version and its maker's details. The version block and the
// program's texts both take them from here.

#define VELQUIST_VERSION_NUMBERS 1, 0, 0, 0
#define VELQUIST_VERSION_TEXT "1.0.0.0"
#define VELQUIST_PRODUCT "Velquist"
#define VELQUIST_MAKER "Tarvolin"
