#pragma once
// Text in project, users and error files is stored in the Windows-1252 code
// page, one byte per character; the program works in UTF-8.
#include <string>
#include <string_view>

namespace virano {

// UTF-8 to Windows-1252. A character the code page lacks becomes "?";
// invalid UTF-8 bytes become "?" as well.
std::string Utf8ToAnsi(std::string_view utf8);

// True when every character of `utf8` exists in Windows-1252, so that it is
// stored as it is.
bool InCodePage(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes the code page leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the
// same number, U+0081 and so on, and are stored back as those bytes, so that
// every stored text comes back byte for byte.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace virano
