#pragma once

// The program's version and its maker's details. The version block and the
// program's texts both take them from here.

#define VELQUIST_VERSION_NUMBERS 1, 0, 0, 0
#define VELQUIST_VERSION_TEXT "1.0.0.0"
#define VELQUIST_PRODUCT "Velquist"
#define VELQUIST_MAKER "Tarvolin"

// The maker's web host: a build-time setting (-DVQ_MAKER_HOST=...). The
// default is a reserved example domain, so no build opens somebody else's
// site by accident.
#ifndef VELQUIST_MAKER_HOST
#define VELQUIST_MAKER_HOST "www.example.com"
#endif
#define VELQUIST_MAKER_ADDRESS "http://" VELQUIST_MAKER_HOST "/"
