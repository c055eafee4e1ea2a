#pragma once

// The store keeps its texts as Windows-1252 bytes, the character set of the
// data files. The windows convert at their edge with these two routines.

#include <string>
#include <string_view>

// UTF-8 to Windows-1252; a character that has no Windows-1252 byte becomes "?".
std::string cp1252FromUtf8(std::string_view utf8);

// Windows-1252 to UTF-8; the five unassigned bytes map to the C1 controls.
std::string utf8FromCp1252(std::string_view bytes);

// Whether bytes are well-formed UTF-8 (plain ASCII is).
bool isUtf8(std::string_view text);
