#include "import/FormatAnalysisActions.h"

#include <algorithm>
#include <memory>

#include "import/FormatAnalysisBase.h"
#include "import/FormatAnalysisState.h"
#include "import/FormatXML.h"

namespace {

using namespace format_problem;

// The value of a column's role for a wanted role: unknown 0, fitting 100,
// any other -100.
double RoleValue(const CRecognitionState& state, int column, int wanted) {
  const int role = state.RoleOf(column);
  if (role == 0) return 0.0;
  return role == wanted ? 100.0 : -100.0;
}

// Action 1: the whole format, asked as its parts. The header line comes
// first because the data range and the column roles hang on it.
class CFormatWholeAction final : public CFormatAction {
 public:
  explicit CFormatWholeAction(CRecognitionState& state) : CFormatAction(1, kFormat, state) {}

 protected:
  void Require(const CFormatValues&, CConditionSet& conditions) override {
    Need(conditions, kHeaderLine, 0, 0);
    Need(conditions, kDateColumn, 0, 0);
    Need(conditions, kDescription, 0, 0);
    Need(conditions, kAmount, 0, 0);
    Need(conditions, kBalanceLine, 0, 0);
    Allow(conditions, kDescription, 1, -1);
    Allow(conditions, kDescription, 2, -1);
  }
};

// Action 2: the date column, the one with the most dates.
class CDateColumnAction final : public CFormatAction {
 public:
  explicit CDateColumnAction(CRecognitionState& state) : CFormatAction(2, kDateColumn, state) {}

 protected:
  void Offer(const CFormatValues&, CParameterSet& parameters) override {
    for (int column = 0; column < State().ColumnCount(); ++column) {
      if (State().BlockA().Column(column).counts.date > 0) Add(parameters, column, 0);
    }
  }
  double Value(const CFormatValues& values) override {
    return State().IsColumn(values.first) ? State().BlockA().Column(values.first).counts.date : 0;
  }
  void Record(const CFormatValues& values) override { State().Result().dateColumn = values.first; }
  void Apply(const CFormatValues& values) override { State().Result().dateColumn = values.first; }
};

// Action 3: the amount, asked as its layout over the numeric columns.
class CAmountAction final : public CFormatAction {
 public:
  explicit CAmountAction(CRecognitionState& state) : CFormatAction(3, kAmount, state) {}

 protected:
  void Require(const CFormatValues&, CConditionSet& conditions) override {
    const int count = State().ColumnCount() == 0 ? 0 : State().NumericColumnCount();
    if (count == 0) {
      Need(conditions, kNever, 0, 0);
      return;
    }
    Need(conditions, kAmountLayout, count, count == 1 ? OnlyNumericColumn() : -1);
  }

 private:
  int OnlyNumericColumn() const {
    for (int column = 0; column < State().ColumnCount(); ++column) {
      if (State().IsNumericColumn(column)) return column;
    }
    return -1;
  }
};

// Action 9: one column holds the signed amount.
class COneAmountColumnAction final : public CFormatAction {
 public:
  explicit COneAmountColumnAction(CRecognitionState& state) : CFormatAction(9, kAmountLayout, state) {}

 protected:
  void Offer(const CFormatValues& values, CParameterSet& parameters) override {
    if (values.first <= 1) return;
    for (int column = 0; column < State().ColumnCount(); ++column) {
      if (State().IsFullNumericColumn(column)) Add(parameters, values.first, column, 3.0);
    }
  }
  void Require(const CFormatValues& values, CConditionSet& conditions) override {
    if (values.first == 0 || !State().IsFullNumericColumn(values.second)) Need(conditions, kNever, 0, 0);
  }
  double Value(const CFormatValues& values) override {
    return RoleValue(State(), values.second, header_key::kBetrag);
  }
  void Record(const CFormatValues& values) override {
    CRecognitionResult& result = State().Result();
    result.amountColumn = values.second;
    result.debitColumn = -1;
    result.amountLayout = amount_layout::kOneColumn;
  }
};

// Action 13: the amount without sign next to a column of sign markers.
class CSignColumnAction final : public CFormatAction {
 public:
  explicit CSignColumnAction(CRecognitionState& state) : CFormatAction(13, kAmountLayout, state) {}

 protected:
  void Offer(const CFormatValues& values, CParameterSet& parameters) override {
    for (int amount = 0; amount < State().ColumnCount(); ++amount) {
      if (!State().IsCreditColumn(amount)) continue;
      for (int sign : {amount - 1, amount + 1}) {
        if (State().PassesSignColumnTest(sign)) Add(parameters, values.first, amount, sign);
      }
    }
  }
  void Require(const CFormatValues& values, CConditionSet& conditions) override {
    const int sign = SignColumn(values);
    // Only a neighbouring pair of real columns: the problem as action 3
    // posed it names no sign column.
    const bool pair = State().IsColumn(values.second) && (sign == values.second - 1 || sign == values.second + 1);
    if (!pair || State().RoleOf(sign) != kSignColumnRole) Need(conditions, kNever, 0, 0);
  }
  double Value(const CFormatValues& values) override {
    return RoleValue(State(), values.second, header_key::kBetrag) +
           RoleValue(State(), SignColumn(values), kSignColumnRole);
  }
  void Record(const CFormatValues& values) override {
    CRecognitionResult& result = State().Result();
    const int sign = SignColumn(values);
    result.amountColumn = values.second;
    result.debitColumn = sign;
    result.amountSign = 1;
    result.amountSignEntry = std::max(State().BlockA().Column(sign).signEntry, 0);
    result.amountLayout = amount_layout::kWithSignColumn;
  }

 private:
  static int SignColumn(const CFormatValues& values) { return static_cast<int>(values.firstD); }
};

// Action 10: credits and debits in columns of their own.
class CCreditDebitAction final : public CFormatAction {
 public:
  explicit CCreditDebitAction(CRecognitionState& state) : CFormatAction(10, kAmountLayout, state) {}

 protected:
  void Offer(const CFormatValues& values, CParameterSet& parameters) override {
    for (int credit = 0; credit < State().ColumnCount(); ++credit) {
      if (!State().IsCreditColumn(credit)) continue;
      for (int debit = 0; debit < State().ColumnCount(); ++debit) {
        if (debit != credit && State().IsNumericColumn(debit)) Add(parameters, values.first, credit, debit);
      }
    }
  }
  void Require(const CFormatValues& values, CConditionSet& conditions) override {
    const int debit = DebitColumn(values);
    const bool pair = State().IsColumn(values.second) && State().IsColumn(debit) && debit != values.second;
    if (values.first < 2 || !pair) Need(conditions, kNever, 0, 0);
  }
  double Value(const CFormatValues& values) override {
    return RoleValue(State(), values.second, header_key::kBetragHaben) +
           RoleValue(State(), DebitColumn(values), header_key::kBetragSoll);
  }
  void Record(const CFormatValues& values) override {
    CRecognitionResult& result = State().Result();
    result.amountColumn = values.second;
    result.debitColumn = DebitColumn(values);
    result.amountLayout = amount_layout::kCreditDebit;
  }

 private:
  static int DebitColumn(const CFormatValues& values) { return static_cast<int>(values.firstD); }
};

}  // namespace

void RegisterFormatActions(IAI_Module& module, CRecognitionState& state) {
  std::unique_ptr<CAIAction> actions[] = {
      std::make_unique<CFormatWholeAction>(state),
      std::make_unique<CDateColumnAction>(state),
      std::make_unique<CAmountAction>(state),
      std::make_unique<COneAmountColumnAction>(state),
      std::make_unique<CSignColumnAction>(state),
      std::make_unique<CCreditDebitAction>(state),
      MakeDescriptionAction(state),
      MakeHeaderLineAction(state),
      MakeDataRangeAction(state),
      MakeUnusedAction(8, state),
      MakeUnusedAction(7, state),
      MakeBalanceLineAction(state),
      MakeNoBalanceLineAction(state),
  };
  for (std::unique_ptr<CAIAction>& action : actions) module.NewSolutionEdge(action.release());
}
