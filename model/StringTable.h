#pragma once

// The program's string table: every message text that is addressed by a
// number (103 "Alle Änderungen ...", 121 "Der Monat %s wird gelöscht. ..."
// and so on). The texts live in StringTable.cpp and nowhere else.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "storage/StrFormat.h"

// Longest formatted message, in characters.
inline constexpr std::size_t kMaxMessageCharacters = 499;

// Shown in place of a text whose id the table does not know (a programming
// error that should be visible, not an empty box). %d is the id.
inline constexpr std::string_view kMissingStringText = "Meldungstext %d fehlt.";

// The raw text of stringId, a format with %d/%s conversions; an empty view
// when the table has no such id. The view stays valid for the whole program.
std::string_view StringTableText(int stringId);

// The text of stringId filled with args in order and cut to
// kMaxMessageCharacters characters without splitting a character. The values
// go through StrFormat, so an argument is never read as a format: a "%" in a
// book name is shown as typed. An unknown id gives kMissingStringText.
// REQUIRES: one value per conversion of the text, an integer for %d and a
// text for %s (a number shown through %s, as the rule number of 139 or the
// days of 144, is passed as its text); else std::invalid_argument.
std::string FormatStringTableText(int stringId, std::initializer_list<CFormatArg> args);

template <class... Args>
std::string StringTableMessage(int stringId, const Args&... args) {
  return FormatStringTableText(stringId, {CFormatArg(args)...});
}
