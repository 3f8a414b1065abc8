#pragma once

// CColorTable: the program's 45 colour slots with their German names. List
// lines, monitoring findings, print cells and chart series keep a slot
// number (FarbIndex, Color ...), never a colour; the table turns it into one.
// Process-wide (ProcessColorTable()); user-interface thread only.

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct CColor {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const CColor&, const CColor&) = default;
};

inline constexpr int kColorSlots = 45;
// Tolerance the program uses when it compares colours (differences of -7 to
// 7 per channel count as equal).
inline constexpr int kColorTolerance = 8;

class CColorTable {
 public:
  // Every slot empty: black, no name.
  CColorTable() = default;

  // The program's colours: slot 0 "schwarz" (the platform's window text
  // colour, passed in), 1 "grau" ... 42 "schieferblau"; slots 14, 43 and 44
  // stay empty.
  void FillStandard(CColor windowText = {});

  // Returns 1, or 0 (and changes nothing) for a slot outside 0 ... 44.
  int Set(int slot, CColor color, std::string_view name);

  // The slot's colour darkened by shade steps: each channel is lowered by
  // 50 per step, and a channel not larger than that becomes 0. Shade 0 (or
  // less) is the colour itself. Black for a slot outside 0 ... 44.
  CColor Color(int slot, int shade = 0) const;

  // The slot's name; empty for an empty slot or one outside 0 ... 44.
  const std::string& Name(int slot) const;

  // True when every channel of a and b differs by less than tolerance (the
  // difference divided by tolerance, truncated, is 0). A tolerance of 0 or
  // less asks for equal colours.
  static bool Similar(CColor a, CColor b, int tolerance);

  // The first of slots 1 ... 44 whose colour or one of its shades 1 ... shades
  // is similar to color with kColorTolerance; 0 when none is. Slot 0 is
  // never found, and empty slots count as black.
  int Find(CColor color, int shades) const;

  // The names for a colour choice: slot 0 upward up to the first slot without
  // a name ("schwarz" ... "hellbraun" with the standard colours).
  std::vector<std::string> ChoiceNames() const;

 private:
  struct CSlot {
    CColor color;
    std::string name;
  };
  bool IsSlot(int slot) const { return slot >= 0 && slot < kColorSlots; }

  std::array<CSlot, kColorSlots> slots_{};
};

// The program's one colour table; empty until start-up fills it.
CColorTable& ProcessColorTable();
