#include "model/ColorTable.h"

namespace {

struct CStandardColor {
  int slot;
  std::string_view name;
  CColor color;
};

// Slot 0 takes the window text colour; 14 is left empty.
constexpr CStandardColor kStandardColors[] = {
    {1, "grau", {200, 200, 200}},          {2, "rot", {196, 11, 29}},
    {3, "gelb", {209, 205, 46}},           {4, "blau", {43, 15, 198}},
    {5, "grün", {48, 165, 27}},            {6, "braun", {198, 106, 4}},
    {7, "violet", {163, 7, 158}},          {8, "rosa", {227, 4, 133}},
    {9, "orange", {252, 165, 35}},         {10, "dunkelgrün", {17, 116, 3}},
    {11, "hellblau", {11, 202, 223}},      {12, "dunkelrot", {191, 4, 4}},
    {13, "hellbraun", {251, 175, 36}},     {15, "blaugrün", {0, 128, 62}},
    {16, "olivgrün", {128, 128, 0}},       {17, "blaßbraun", {128, 64, 64}},
    {18, "blaßblau", {128, 128, 255}},     {19, "hellgrau", {220, 220, 220}},
    {20, "blaßrot", {255, 128, 128}},      {21, "kastanienbraun", {128, 0, 0}},
    {22, "mittelblau", {0, 0, 205}},       {23, "aliceblau", {240, 248, 255}},
    {24, "antikweiß", {250, 255, 215}},    {25, "wasser", {0, 235, 255}},
    {26, "aquamarin", {127, 255, 212}},    {27, "kadettenblau", {95, 158, 160}},
    {28, "likörgrün", {127, 255, 0}},      {29, "stahlblau", {70, 130, 180}},
    {30, "schokolade", {210, 105, 30}},    {31, "gold", {255, 215, 0}},
    {32, "korallenrot", {255, 127, 80}},   {33, "indischrot", {205, 92, 92}},
    {34, "khaki", {240, 230, 140}},        {35, "lavendel", {230, 230, 250}},
    {36, "orangerot", {255, 69, 0}},       {37, "hellstahlblau", {176, 196, 212}},
    {38, "königsblau", {65, 105, 225}},    {39, "pfirsich", {255, 218, 185}},
    {40, "gelbgrün", {154, 205, 50}},      {41, "rosigbraun", {188, 143, 143}},
    {42, "schieferblau", {106, 90, 205}},
};

constexpr int kShadeStep = 50;

int Darken(int channel, int shade) {
  const int amount = kShadeStep * shade;
  return channel > amount ? channel - amount : 0;
}

bool ChannelSimilar(int a, int b, int tolerance) { return (a - b) / tolerance == 0; }

}  // namespace

void CColorTable::FillStandard(CColor windowText) {
  slots_ = {};
  Set(0, windowText, "schwarz");
  for (const CStandardColor& standard : kStandardColors) Set(standard.slot, standard.color, standard.name);
}

int CColorTable::Set(int slot, CColor color, std::string_view name) {
  if (!IsSlot(slot)) return 0;
  slots_[static_cast<std::size_t>(slot)] = {color, std::string(name)};
  return 1;
}

CColor CColorTable::Color(int slot, int shade) const {
  if (!IsSlot(slot)) return {};
  const CColor color = slots_[static_cast<std::size_t>(slot)].color;
  if (shade <= 0) return color;
  return {Darken(color.red, shade), Darken(color.green, shade), Darken(color.blue, shade)};
}

const std::string& CColorTable::Name(int slot) const {
  static const std::string kNoName;
  return IsSlot(slot) ? slots_[static_cast<std::size_t>(slot)].name : kNoName;
}

bool CColorTable::Similar(CColor a, CColor b, int tolerance) {
  if (tolerance <= 0) return a == b;
  return ChannelSimilar(a.red, b.red, tolerance) && ChannelSimilar(a.green, b.green, tolerance) &&
         ChannelSimilar(a.blue, b.blue, tolerance);
}

int CColorTable::Find(CColor color, int shades) const {
  for (int slot = 1; slot < kColorSlots; ++slot) {
    for (int shade = 0; shade <= shades; ++shade) {
      if (Similar(Color(slot, shade), color, kColorTolerance)) return slot;
    }
  }
  return 0;
}

std::vector<std::string> CColorTable::ChoiceNames() const {
  std::vector<std::string> names;
  for (const CSlot& slot : slots_) {
    if (slot.name.empty()) break;
    names.push_back(slot.name);
  }
  return names;
}

CColorTable& ProcessColorTable() {
  static CColorTable table;
  return table;
}
