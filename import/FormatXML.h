#pragma once
// CFormatXML: the header names of "format.xml", the names banks give the
// columns of their statement files (several per key), and the sign formats
// such as "[H][S]". The format recognition compares header cells with them.
//
// The file holds elements named after the keys, each with the attribute
// "bezeichnung":   <header_datum bezeichnung="Buchungstag"/>
// Entries keep the order of the file within a key; the keys follow each
// other in the order 1 … 7, 9, 8, 10, 11 (old balance before new balance, as
// the file lists them), and the running number counts over all entries.
//
// A missing, unreadable or malformed file leaves the lists empty and reports
// nothing: the recognition then works from the cell statistics alone.
//
// A program folder without its own "format.xml" reads the copy installed
// with the program (share/pellwick/format.xml); a file in the folder, once
// the user puts one there, takes precedence.
// User-interface thread only.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "import/ImportPacket.h"

// Key codes of the header names.
namespace header_key {
inline constexpr int kDatum = 1;             // "header_datum": booking date
inline constexpr int kVerwendung = 2;        // "header_verwendung": purpose text
inline constexpr int kBetrag = 3;            // "header_betrag": signed amount
inline constexpr int kBetragHaben = 4;       // "header_betrag_haben": credit
inline constexpr int kBetragSoll = 5;        // "header_betrag_soll": debit
inline constexpr int kKonto = 6;             // "header_konto": account
inline constexpr int kKontostand = 7;        // "header_kontostand": balance
inline constexpr int kKontostandNeu = 8;     // "header_kontostand_neu": closing balance
inline constexpr int kKontostandAlt = 9;     // "header_kontostand_alt": opening balance
inline constexpr int kWaehrung = 10;         // "header_waehrung": currency
inline constexpr int kVorzeichen = 11;       // "header_vorzeichen": sign formats
inline constexpr int kCount = 11;
}  // namespace header_key

struct CFormatXMLEntry {
  int key = 0;
  int number = 0;    // running number over all entries, from 0
  std::string text;  // UTF-8, at most kMaxTextLength characters
};

// The installed copy: share/pellwick/format.xml beside the running
// program's bin folder when there is one, else where this build installs it.
std::filesystem::path InstalledFormatXML();

// Whether a and b are equal when the letters A to Z count as a to z, as the
// header names are compared.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

class CFormatXML final : public IFormatXML {
 public:
  static constexpr int kMaxTextLength = 51;
  // Texts this long or longer never match a header name.
  static constexpr std::size_t kMaxMatchLength = 81;

  // installedFile: the copy read when the file asked for does not exist
  // (empty: none).
  explicit CFormatXML(std::filesystem::path installedFile = InstalledFormatXML());

  // Reads fileName, or the installed copy when there is no such file.
  void Load(const std::string& fileName) override;
  // Replaces the lists with the names of fileName. Writes
  // "\nParsing document: <fileName>\n" to standard output first. Returns 1
  // when the file was read, 0 when it is missing or malformed (lists empty).
  int Read(const std::filesystem::path& fileName);

  // Entry k (from 0) of key; null when there is none. The pointer stays
  // valid until the next Load or Read.
  const CFormatXMLEntry* Entry(int key, int k) const;
  // The same, copying the text; false (text unchanged) when there is none.
  bool Entry(int key, int k, std::string& text) const;

  // How well text fits the names of key, 0 to 10: for the first name that
  // text contains (ignoring the case of A to Z), 10 when equal, 8 equal
  // ignoring case, 5 when text begins with it, 3 the same ignoring case,
  // 2 when text contains it, 1 contains ignoring case; 0 when no name fits
  // or text has kMaxMatchLength or more characters.
  int Match(int key, std::string_view text) const;

  const std::vector<CFormatXMLEntry>& Entries() const { return entries_; }

  // The element name of a key code ("" for an unknown code).
  static std::string_view ElementName(int key);

 private:
  std::vector<CFormatXMLEntry> entries_;
  // Per key: where its entries begin in entries_ and how many there are.
  struct CRange {
    std::size_t first = 0;
    std::size_t count = 0;
  };
  CRange ranges_[header_key::kCount + 1];
  std::filesystem::path installedFile_;
};
