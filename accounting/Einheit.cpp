#include "accounting/Einheit.h"

#include "storage/StrFormat.h"

double UnitTotal(double count, double value, double units) {
  return count * value / (units == 0.0 ? 1.0 : units);
}

CUnitRow UnitRow(const CEinheitRow& unit) {
  return {unit.Bezeichnung, StrFormat("%0.2f", unit.AnzEinheit), StrFormat("%0.2f", unit.WertEinheit)};
}

CEinheit* CEinheitList::FindByName(std::string_view name) {
  for (CEinheit& einheit : *this)
    if (!einheit.IsDeleted() && einheit.Bezeichnung == name) return &einheit;
  return nullptr;
}


std::vector<std::string> CEinheitList::CalculatorChoices() const {
  std::vector<std::string> choices{std::string()};
  for (const CEinheit& einheit : *this)
    if (!einheit.IsDeleted()) choices.push_back(einheit.Bezeichnung);
  return choices;
}

double CEinheitList::Calculate(double count, double value, double units) {
  lastResult_ = UnitTotal(count, value, units);
  return lastResult_;
}
