#pragma once
// Bank files arrive in whatever encoding the bank's export chose: UTF-8 with
// or without a byte order mark, or the Windows code page 1252 of older
// exports. Everything the import holds in memory is UTF-8.

#include <string>
#include <string_view>

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// The text of a bank file as UTF-8: a leading UTF-8 byte order mark is
// dropped; valid UTF-8 stays as it is; anything else is read as Windows-1252,
// whose five unassigned bytes become U+FFFD.
std::string DecodeBankFileText(std::string_view bytes);

// Whether the bytes are no text file at all: they hold a NUL byte, or more
// than one control character (other than tab, line feed, carriage return and
// form feed) in a hundred bytes.
bool LooksLikeBinary(std::string_view bytes);
