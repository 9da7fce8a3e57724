#include "common/text.h"

#include <stdarg.h>
#include <stdint.h>
#include <windows.h>

#include "common/fatal.h"

Text& Text::operator=(Text&& other) noexcept
{
    if (this != &other) {
        Text old(bytes_);
        bytes_ = other.bytes_;
        other.bytes_ = nullptr;
    }
    return *this;
}

Text::~Text()
{
    if (bytes_)
        HeapFree(GetProcessHeap(), 0, bytes_);
}

size_t TextLength(const char* text)
{
    return text ? lstrlenA(text) : 0;
}

Text TextJoin(unsigned count, ...)
{
    va_list parts;
    va_start(parts, count);
    size_t total = 1;
    for (unsigned i = 0; i < count; ++i) {
        size_t length = TextLength(va_arg(parts, const char*));
        // A sum that does not fit the address space can never be allocated.
        total = length <= SIZE_MAX - total ? total + length : SIZE_MAX;
    }
    va_end(parts);

    char* joined = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, total));
    if (!joined)
        FatalOutOfMemory(total);

    char* end = joined;
    va_start(parts, count);
    for (unsigned i = 0; i < count; ++i) {
        const char* part = va_arg(parts, const char*);
        size_t length = TextLength(part);
        CopyMemory(end, part, length);
        end += length;
    }
    va_end(parts);
    *end = '\0';
    return Text(joined);
}

int LastBackslash(const char* text)
{
    int last = -1;
    for (int i = 0; text && text[i]; ++i) {
        if (text[i] == '\\')
            last = i;
        else if (IsDBCSLeadByte(static_cast<BYTE>(text[i])) && text[i + 1])
            ++i;
    }
    return last;
}
