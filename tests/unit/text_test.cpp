// TextJoin, the double-byte-aware backslash search, and the bytes of the
// fixed texts.

#include <windows.h>

#include "common/text.h"
#include "common/texts.h"
#include "tests/unit/check.h"

namespace {

void JoinsTexts()
{
    struct Case {
        unsigned count;
        const char* parts[3];
        const char* expected;
    };
    const Case cases[] = {
        {0, {}, ""},
        {1, {nullptr}, ""},
        {1, {""}, ""},
        {2, {"C:\\Windows\\system32\\", "Nwprovau.Dll"}, "C:\\Windows\\system32\\Nwprovau.Dll"},
        {2, {"", "inf\\Netnwlnk.Inf"}, "inf\\Netnwlnk.Inf"},
        {3, {"a", nullptr, "bc"}, "abc"},
        {3, {nullptr, "", nullptr}, ""},
    };
    for (const Case& c : cases) {
        Text joined = TextJoin(c.count, c.parts[0], c.parts[1], c.parts[2]);
        CHECK_TEXT(joined.c_str(), c.expected);
    }
}

void AllocatesExactlyTheSumPlusOne()
{
    Text joined = TextJoin(2, "abc", "de");
    // The heap block holds the five bytes and the NUL, nothing more.
    CHECK(HeapSize(GetProcessHeap(), 0, joined.c_str()) == 6);
    CHECK(joined.c_str()[5] == '\0');
}

void MeasuresNullAsEmpty()
{
    CHECK(TextLength(nullptr) == 0);
    CHECK(TextLength("") == 0);
    CHECK(TextLength("信息") == 4);
}

void FindsLastBackslashOverWholeCharacters()
{
    CHECK(GetACP() == 936);
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {nullptr, -1},
        {"", -1},
        {"velquist.exe", -1},
        {"C:\\", 2},
        {"C:\\dir\\velquist.exe", 6},
        // 淺 is 9C 5C in GBK: its trail byte is no backslash.
        {"C:\\dir\\x淺.exe", 6},
        {"C:\\dir\\x淺", 6},
        {"C:\\淺\\", 5},
    };
    for (const Case& c : cases) {
        if (LastBackslash(c.text) != c.expected) {
            check::Fail(__FILE__, __LINE__, "LastBackslash");
            check::PrintBytes("text", c.text);
            printf("  got %d, expected %d\n", LastBackslash(c.text), c.expected);
        }
    }
}

void StoresFixedTextsAsGbk()
{
    CHECK_TEXT(kTextDefaultTitle, "\xd0\xc5\xcf\xa2\xa3\xba");
    CHECK_TEXT(kTextInstallDone,
               "\xb9\xa7\xcf\xb2: \xbb\xf9\xb4\xa1\xb3\xcc\xd0\xf2\xb8\xb4\xd6\xc6\xcd\xea\xb1\xcf,"
               "\xc7\xeb\xc4\xfa\xb2\xe9\xbf\xb4\xb0\xef\xd6\xfa,\xbd\xf8\xd0\xd0\xca\xd6\xb6\xaf"
               "\xc5\xe4\xd6\xc3!");
    CHECK_TEXT(kTextInstallFailed,
               "\xcc\xe1\xca\xbe: \xc7\xeb\xc4\xfa\xd3\xc3\xb9\xdc\xc0\xed\xd4\xb1\xc9\xed\xb7\xdd"
               "\xd4\xcb\xd0\xd0\xb1\xbe\xc8\xed\xbc\xfe! (\xb0\xb2\xd7\xb0\xca\xa7\xb0\xdc!)");
}

} // namespace

int main()
{
    JoinsTexts();
    AllocatesExactlyTheSumPlusOne();
    MeasuresNullAsEmpty();
    FindsLastBackslashOverWholeCharacters();
    StoresFixedTextsAsGbk();
    return check::Finish();
}
