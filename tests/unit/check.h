#pragma once

// A small check library for the unit tests, which run under Wine.

#include <stdio.h>
#include <string.h>

namespace check {

inline int& Failures()
{
    static int failures = 0;
    return failures;
}

inline void Fail(const char* file, int line, const char* what)
{
    printf("%s:%d: check failed: %s\n", file, line, what);
    ++Failures();
}

inline void PrintBytes(const char* label, const char* bytes)
{
    printf("  %s:", label);
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes); p && *p; ++p)
        printf(" %02x", *p);
    printf("\n");
}

inline bool SameText(const char* file, int line, const char* actual, const char* expected, const char* what)
{
    if (actual && expected && strcmp(actual, expected) == 0)
        return true;
    Fail(file, line, what);
    PrintBytes("actual  ", actual);
    PrintBytes("expected", expected);
    return false;
}

inline int Finish()
{
    if (Failures())
        printf("%d check(s) failed\n", Failures());
    else
        printf("all checks passed\n");
    return Failures() ? 1 : 0;
}

} // namespace check

#define CHECK(cond) ((cond) ? (void)0 : check::Fail(__FILE__, __LINE__, #cond))
#define CHECK_TEXT(actual, expected) check::SameText(__FILE__, __LINE__, (actual), (expected), #actual " == " #expected)
