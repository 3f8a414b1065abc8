#pragma once
// The import's own German texts that are not numbered messages of the
// string table: what the reading of bank files tells the user. Each is a
// StrFormat format.

#include <string_view>

inline constexpr std::string_view kTextFileEmpty = "Die Importdatei %s ist leer.";
inline constexpr std::string_view kTextFileNotText =
    "Die Importdatei %s ist keine Textdatei und wurde nicht eingelesen.";
inline constexpr std::string_view kTextNoRecords =
    "In der Importdatei %s wurden mit dem Format %s keine Buchungen gefunden.";

// Reasons on a record whose line could not be read whole.
inline constexpr std::string_view kTextBadDate = "Das Datum \"%s\" ist ungültig.";
inline constexpr std::string_view kTextBadAmount = "Der Betrag \"%s\" ist ungültig.";
inline constexpr std::string_view kTextCreditAndDebit =
    "Die Zeile enthält sowohl einen Haben- als auch einen Soll-Betrag.";
