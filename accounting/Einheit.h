#pragma once
// The units of the current book and the unit calculator's arithmetic.
// User-interface thread only.

#include <string>
#include <string_view>
#include <vector>

#include "model/BookRecordList.h"
#include "storage/AccountTables.h"

class CEinheit : public CEinheitRow {
 public:
  static constexpr const char* kLoadSql = "select * from [Einheit] where Einheit.BuchId = %d;";
  static constexpr const char* kHighestIdSql =
      "select max(EinheitId) as n from [Einheit] where Einheit.BuchId = %d;";
};

// The value of count units when `value` euros buy `units` units; 0 units
// count as one.
double UnitTotal(double count, double value, double units);

// The columns of a unit's row on the units screen: name, AnzEinheit and
// WertEinheit as "%0.2f".
struct CUnitRow {
  std::string name;
  std::string units;
  std::string value;
};
CUnitRow UnitRow(const CEinheitRow& unit);

class CEinheitList : public CBookRecordList<CEinheit, &CEinheitRow::EinheitId> {
 public:
  // Appends a unit with the next id and an empty name.
  CEinheit& New() { return AppendWithNewId(); }
  // The first non-deleted unit named exactly so, or null.
  CEinheit* FindByName(std::string_view name);
  // The calculator's unit choice: an empty first entry, then the names of
  // the units that are not deleted.
  std::vector<std::string> CalculatorChoices() const;

  // The calculator: count units at the price fields' "Wert EUR" per
  // "Einheit" (UnitTotal); the total becomes the last result.
  double Calculate(double count, double value, double units);
  // The calculator was cancelled: the last result becomes 0.
  void CancelCalculation() { lastResult_ = 0.0; }
  // What the calculator handed back last (0 before any calculation).
  double LastResult() const { return lastResult_; }

 private:
  double lastResult_ = 0.0;
};
