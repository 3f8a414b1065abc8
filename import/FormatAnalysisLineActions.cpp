// The recognition's actions that look at lines and texts: the header line,
// the range of bookings, the description columns and the balance line.

#include <algorithm>

#include "import/FormatAnalysisActions.h"
#include "import/FormatAnalysisBase.h"
#include "import/FormatAnalysisState.h"
#include "import/FormatXML.h"

namespace {

using namespace format_problem;

// Header lines are looked for among the first lines of a file only.
constexpr int kHeaderLinesLookedAt = 22;
// A header line has at most this many cells that are not text.
constexpr int kHeaderNonTextCells = 3;
constexpr int kFitsAmountLayout = 100;

// Action 4: description column a (0, 1 or 2), a column of texts.
class CDescriptionAction final : public CFormatAction {
 public:
  explicit CDescriptionAction(CRecognitionState& state) : CFormatAction(4, kDescription, state) {}

 protected:
  void Offer(const CFormatValues& values, CParameterSet& parameters) override {
    const int index = values.first;
    const int* taken = State().Result().descriptionColumns;
    for (int column = 0; column < State().ColumnCount(); ++column) {
      if (index >= 1 && (column == taken[0] || column == taken[1])) continue;
      if (State().RoleOf(column) == header_key::kWaehrung) continue;
      if (State().CurrentCounts(column).Texts() > 0) Add(parameters, column, index);
    }
  }
  void Require(const CFormatValues& values, CConditionSet& conditions) override {
    if (values.second < 0 || values.second > 2 || !State().IsColumn(values.first)) Need(conditions, kNever, 0, 0);
  }
  double Value(const CFormatValues& values) override {
    const int column = values.first;
    if (!State().IsColumn(column)) return 0.0;
    const CCellCounts& counts = State().CurrentCounts(column);
    double value = 10.0 * counts.longText + counts.shortText;
    if (State().HasDataRange()) value -= counts.number + counts.date + counts.negativeNumber;
    if (State().WeightOf(column) >= 1) {
      value += State().RoleOf(column) == header_key::kVerwendung ? 100.0 * State().WeightOf(column) : -100.0;
    }
    return value;
  }
  void Record(const CFormatValues& values) override { Apply(values); }
  void Apply(const CFormatValues& values) override {
    State().Result().descriptionColumns[values.second] = values.first;
  }
};

// Action 5: the header line, a line of texts near the top. Its roles are
// given once it is chosen, so the later questions can use them.
class CHeaderLineAction final : public CFormatAction {
 public:
  explicit CHeaderLineAction(CRecognitionState& state) : CFormatAction(5, kHeaderLine, state) {}

 protected:
  void Offer(const CFormatValues&, CParameterSet& parameters) override {
    const int lines = std::min(kHeaderLinesLookedAt, State().LineCount());
    for (int line = 0; line < lines; ++line) {
      const CCellCounts& counts = State().BlockA().Line(line);
      if (counts.Numbers() + counts.date + counts.accountNumber != 0) continue;
      if (State().ColumnCount() - counts.Texts() < kHeaderNonTextCells) Add(parameters, line, 0);
    }
  }
  void Require(const CFormatValues&, CConditionSet& conditions) override { Allow(conditions, kDataRange, 0, 0); }
  void Record(const CFormatValues& values) override {
    State().Result().headerLine = values.first;
    if (values.first < 0) return;
    State().ScoreHeader(values.first);
    State().DetectSignColumn(values.first);
  }
  void Apply(const CFormatValues& values) override { State().Result().headerLine = values.first; }
};

// Action 6: the bookings, a run of consecutive booking-like lines; the
// longest run wins.
class CDataRangeAction final : public CFormatAction {
 public:
  explicit CDataRangeAction(CRecognitionState& state) : CFormatAction(6, kDataRange, state) {}

 protected:
  void Offer(const CFormatValues&, CParameterSet& parameters) override {
    const int header = State().Result().headerLine;
    int runStart = -1;
    for (int line = header >= 0 ? header + 1 : 0; line <= State().LineCount(); ++line) {
      const bool bookingLike = State().IsBookingLike(line);
      if (bookingLike && runStart < 0) runStart = line;
      if (!bookingLike && runStart >= 0) {
        Add(parameters, runStart, line - 1);
        runStart = -1;
      }
    }
    if (runStart >= 0) Add(parameters, runStart, State().LineCount());
  }
  double Value(const CFormatValues& values) override { return values.second - values.first; }
  void Record(const CFormatValues& values) override { State().SetDataRange(values.first, values.second); }
  void Apply(const CFormatValues& values) override {
    State().Result().firstDataLine = values.first;
    State().Result().lastDataLine = values.second;
  }
};

// Action 11: the balance line, a line outside the bookings with a text and
// a number; (line, number's column, number's cell class).
class CBalanceLineAction final : public CFormatAction {
 public:
  explicit CBalanceLineAction(CRecognitionState& state) : CFormatAction(11, kBalanceLine, state) {}

 protected:
  void Offer(const CFormatValues&, CParameterSet& parameters) override;
  double Value(const CFormatValues& values) override;
  void Record(const CFormatValues& values) override;

 private:
  bool FitsAmountLayout(const CFormatValues& values) const;
  void RecordTexts(int line);
  void RecordAmountColumns(int column);
};

// A closing balance stands below the bookings, an opening one above them.
void CBalanceLineAction::Offer(const CFormatValues&, CParameterSet& parameters) {
  const CRecognitionState& state = State();
  if (!state.HasDataRange()) return;
  for (int line = 0; line <= state.LineCount(); ++line) {
    if (line >= state.Result().firstDataLine && line <= state.Result().lastDataLine) continue;
    const CCellCounts& counts = state.BlockA().Line(line);
    if (counts.Texts() == 0 || counts.Numbers() == 0) continue;
    for (int column = 0; column < state.ColumnCount(); ++column) {
      const ECellClass cellClass = state.ClassAt(line, column);
      if (IsNumberClass(cellClass)) Add(parameters, line, column, static_cast<double>(cellClass));
    }
  }
}

bool CBalanceLineAction::FitsAmountLayout(const CFormatValues& values) const {
  const CRecognitionResult& result = State().Result();
  const auto cellClass = static_cast<ECellClass>(static_cast<int>(values.firstD));
  if (result.debitColumn < 0) return values.second == result.amountColumn;
  return (values.second == result.amountColumn && cellClass == ECellClass::kNumber) ||
         (values.second == result.debitColumn && cellClass == ECellClass::kNegativeNumber);
}

double CBalanceLineAction::Value(const CFormatValues& values) {
  const CRecognitionState& state = State();
  state.Log("Spaltenheaderauswertung");
  double value = FitsAmountLayout(values) ? kFitsAmountLayout : 0.0;
  state.Log("vor schleife");
  for (int column = 0; column < state.ColumnCount(); ++column) {
    const std::string_view text = state.CellText(values.first, column);
    state.Log(text);
    state.Log("GetSpaltenFormat");
    if (!IsTextClass(state.ClassAt(values.first, column))) continue;
    value += 7.0 * state.Names().Match(header_key::kKontostand, text) +
             5.0 * state.Names().Match(header_key::kKontostandNeu, text) +
             2.0 * state.Names().Match(header_key::kKontostandAlt, text);
  }
  state.Log("nach schleife");
  return value;
}

void CBalanceLineAction::Record(const CFormatValues& values) {
  RecordTexts(values.first);
  RecordAmountColumns(values.second);
  State().Result().balanceLine = values.first;
}

void CBalanceLineAction::RecordTexts(int line) {
  constexpr std::size_t kMaxBalanceText = 199;
  CRecognitionResult& result = State().Result();
  const CFormatXML& names = State().Names();
  int kind = -1;
  result.balanceDateColumn = -1;
  for (int column = 0; column < State().ColumnCount(); ++column) {
    const ECellClass cellClass = State().ClassAt(line, column);
    if (cellClass == ECellClass::kDate) result.balanceDateColumn = column;
    const std::string_view text = State().CellText(line, column);
    if (!IsTextClass(cellClass) || names.Match(header_key::kKontostand, text) == 0) continue;
    result.balanceText = std::string(text.substr(0, kMaxBalanceText));
    result.balanceTextColumn = column;
    if (names.Match(header_key::kKontostandNeu, text) > 0) kind = 1;
    if (names.Match(header_key::kKontostandAlt, text) > 0) kind = 0;
  }
  // Without a telling name the place decides: below the middle of the file
  // it closes the statement.
  if (kind < 0) kind = State().LineCount() / 2 < line ? 1 : 0;
  result.balanceKind = kind;
}

void CBalanceLineAction::RecordAmountColumns(int column) {
  CRecognitionResult& result = State().Result();
  if (column != result.amountColumn && column != result.debitColumn) {
    result.balanceAmountColumn = column;
    return;
  }
  if (result.amountLayout == amount_layout::kWithSignColumn) {
    result.balanceSign = 1;
    result.balanceSignEntry = result.amountSignEntry;
  }
  if (result.amountLayout >= amount_layout::kOneColumn && result.amountLayout <= amount_layout::kCreditDebit) {
    result.balanceAmountColumn = result.amountColumn;
    result.balanceDebitColumn = result.debitColumn;
  }
}

// Action 12: the alternative to a balance line that never succeeds.
class CNoBalanceLineAction final : public CFormatAction {
 public:
  explicit CNoBalanceLineAction(CRecognitionState& state) : CFormatAction(12, kBalanceLine, state) {}

 protected:
  void Require(const CFormatValues&, CConditionSet& conditions) override { Need(conditions, kNever, 0, 0); }
};

}  // namespace

std::unique_ptr<CAIAction> MakeDescriptionAction(CRecognitionState& state) {
  return std::make_unique<CDescriptionAction>(state);
}

std::unique_ptr<CAIAction> MakeHeaderLineAction(CRecognitionState& state) {
  return std::make_unique<CHeaderLineAction>(state);
}

std::unique_ptr<CAIAction> MakeDataRangeAction(CRecognitionState& state) {
  return std::make_unique<CDataRangeAction>(state);
}

std::unique_ptr<CAIAction> MakeBalanceLineAction(CRecognitionState& state) {
  return std::make_unique<CBalanceLineAction>(state);
}

std::unique_ptr<CAIAction> MakeNoBalanceLineAction(CRecognitionState& state) {
  return std::make_unique<CNoBalanceLineAction>(state);
}

std::unique_ptr<CAIAction> MakeUnusedAction(int actionId, CRecognitionState& state) {
  return std::make_unique<CFormatAction>(actionId, kUnused, state);
}
