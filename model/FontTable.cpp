#include "model/FontTable.h"

namespace {

CFontDescription BoldArial(int characterHeight) {
  CFontDescription font;
  font.faceName = "Arial";
  font.characterHeight = characterHeight;
  font.weight = kFontWeightBold;
  font.ansiCharacterSet = true;
  font.outlineOnly = true;
  font.proofQuality = true;
  font.variablePitch = true;
  font.sansSerif = true;
  return font;
}

}  // namespace

void CFontTable::FillStandard() {
  slots_ = {};
  Set(1, BoldArial(10));
  Set(2, BoldArial(8));
}

int CFontTable::Set(int slot, const CFontDescription& font) {
  if (slot < 0 || slot >= kFontSlots) return 0;
  slots_[static_cast<std::size_t>(slot)] = font;
  return 1;
}

const CFontDescription& CFontTable::Font(int slot) const {
  static const CFontDescription kNoFont;
  if (slot < 0 || slot >= kFontSlots) return kNoFont;
  return slots_[static_cast<std::size_t>(slot)];
}

CFontTable& ProcessFontTable() {
  static CFontTable table;
  return table;
}
