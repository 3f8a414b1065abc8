#pragma once

// The program's three font slots as plain descriptions; the user interface
// turns a description into a font of its toolkit. Slot 1 is bold Arial of
// height 10, slot 2 bold Arial of height 8 (list headings, the date
// information box); slot 0 stays empty. "Arial" is kept as the face name;
// mapping it to an installed face is the user interface's business.
// Process-wide (ProcessFontTable()); user-interface thread only.

#include <array>
#include <string>

inline constexpr int kFontSlots = 3;
inline constexpr int kFontWeightNormal = 400;
inline constexpr int kFontWeightBold = 700;

struct CFontDescription {
  std::string faceName;       // empty: the slot holds no font
  int characterHeight = 0;    // in logical units of the device drawn on
  int weight = kFontWeightNormal;
  bool italic = false;
  bool underline = false;
  bool ansiCharacterSet = false;  // Western European characters
  bool outlineOnly = false;       // scalable (TrueType) glyphs only
  bool proofQuality = false;      // looks over exact size
  bool variablePitch = false;     // proportional, not fixed-width
  bool sansSerif = false;         // the "Swiss" family: stroke width even, no serifs

  bool IsEmpty() const { return faceName.empty(); }
  friend bool operator==(const CFontDescription&, const CFontDescription&) = default;
};

class CFontTable {
 public:
  // Every slot empty.
  CFontTable() = default;

  // Slots 1 and 2 as the program starts with them; slot 0 empty.
  void FillStandard();

  // Returns 1, or 0 (and changes nothing) for a slot outside 0 ... 2.
  int Set(int slot, const CFontDescription& font);

  // The slot's font; an empty description for a slot outside 0 ... 2.
  const CFontDescription& Font(int slot) const;

 private:
  std::array<CFontDescription, kFontSlots> slots_{};
};

// The program's one font table; empty until start-up fills it.
CFontTable& ProcessFontTable();
