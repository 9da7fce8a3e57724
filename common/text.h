#pragma once

#include <stddef.h>

// A text is a NUL-terminated byte string in the ANSI code page; a null text
// is the empty text.

// The one owner of a text that TextJoin allocated; frees it when it goes.
class Text {
public:
    Text() = default;
    explicit Text(char* bytes) : bytes_(bytes) {}
    Text(Text&& other) noexcept : bytes_(other.bytes_) { other.bytes_ = nullptr; }
    Text& operator=(Text&& other) noexcept;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text();

    const char* c_str() const { return bytes_ ? bytes_ : ""; }

private:
    char* bytes_ = nullptr;
};

// Length in bytes; a null text measures 0.
size_t TextLength(const char* text);

// Joins `count` texts, in order, into one new text. Never fails: running out
// of memory is a fatal error.
Text TextJoin(unsigned count, ...);

// Byte index of the last backslash, or -1. Double-byte characters of the ANSI
// code page are stepped over whole, so a trail byte of 0x5C is no backslash.
int LastBackslash(const char* text);
