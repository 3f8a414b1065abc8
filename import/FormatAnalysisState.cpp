#include "import/FormatAnalysisState.h"

#include "import/BankText.h"
#include "import/CsvTable.h"
#include "import/FormatXML.h"
#include "model/DebugLog.h"

namespace {

// A sign column needs more than this many marker cells, and a sign format
// is given up once the cells looked at outnumber its markers by more than
// kSignMisses.
constexpr int kSignMatchesNeeded = 5;
constexpr int kSignMisses = 3;
constexpr int kSignColumnWeight = 20;

}  // namespace

CRecognitionState::CRecognitionState(const CCsvTable& table, const CFormatXML& names, CDebugLog* log)
    : table_(table), names_(names), log_(log) {
  grid_.Classify(table);
  blockA_.Reset(grid_);
  blockA_.Count(grid_, 1, grid_.LineCount(), true);
  blockB_.Reset(grid_);
}

ECellClass CRecognitionState::ClassAt(int line, int column) const {
  if (line < 0 || line > LineCount() || !IsColumn(column)) return ECellClass::kEmpty;
  return grid_.At(line, column);
}

std::string_view CRecognitionState::CellText(int line, int column) const {
  const std::string* cell = table_.Cell(line, column);
  return cell != nullptr ? std::string_view(*cell) : std::string_view();
}

int CRecognitionState::RoleOf(int column) const { return IsColumn(column) ? blockA_.Column(column).role : 0; }

int CRecognitionState::WeightOf(int column) const { return IsColumn(column) ? blockA_.Column(column).weight : 0; }

void CRecognitionState::SetDataRange(int first, int last) {
  result_.firstDataLine = first;
  result_.lastDataLine = last;
  // Every header candidate asks for the same range; count it once.
  if (first == countedFirst_ && last == countedLast_) return;
  blockB_.Count(grid_, first, last, false);
  countedFirst_ = first;
  countedLast_ = last;
}

const CCellCounts& CRecognitionState::CurrentCounts(int column) const {
  return (HasDataRange() ? blockB_ : blockA_).Column(column).counts;
}

const CCellCounts* CRecognitionState::InRange(int column) const {
  return HasDataRange() ? &blockB_.Column(column).counts : nullptr;
}

bool CRecognitionState::IsNumericColumn(int column) const {
  if (!IsColumn(column)) return false;
  const CCellCounts& current = CurrentCounts(column);
  if (current.Numbers() + current.empty == 0) return false;
  const CCellCounts* range = InRange(column);
  return range == nullptr ||
         range->longText + range->shortText + range->character + range->date + range->accountNumber == 0;
}

bool CRecognitionState::IsFullNumericColumn(int column) const {
  if (!IsNumericColumn(column)) return false;
  const CCellCounts* range = InRange(column);
  return range == nullptr || range->empty == 0;
}

bool CRecognitionState::IsCreditColumn(int column) const {
  if (!IsNumericColumn(column)) return false;
  const CCellCounts* range = InRange(column);
  return range == nullptr || range->negativeNumber == 0;
}

bool CRecognitionState::PassesSignColumnTest(int column) const {
  if (!IsColumn(column)) return false;
  const CCellCounts& current = CurrentCounts(column);
  if (current.shortText + current.character + current.empty == 0) return false;
  const CCellCounts* range = InRange(column);
  return range == nullptr || range->Numbers() + range->date + range->accountNumber == 0;
}

int CRecognitionState::NumericColumnCount() const {
  int count = 0;
  for (int column = 0; column < ColumnCount(); ++column) count += IsNumericColumn(column) ? 1 : 0;
  return count;
}

bool CRecognitionState::IsBookingLike(int line) const {
  const CCellCounts& counts = blockA_.Line(line);
  return counts.date > 0 && counts.Numbers() > 0 && counts.Texts() > 0;
}

void CRecognitionState::ScoreHeader(int headerLine) {
  for (int column = 0; column < ColumnCount(); ++column) {
    const std::string_view text = CellText(headerLine, column);
    int bestKey = 0;
    int bestScore = 0;
    for (int key = 1; key <= header_key::kCount; ++key) {
      const int score = names_.Match(key, text);
      if (score > bestScore) {
        bestScore = score;
        bestKey = key;
      }
    }
    if (bestScore > 0) {
      blockA_.Column(column).role = bestKey;
      blockA_.Column(column).weight = bestScore;
    }
  }
}

bool CRecognitionState::SignEntryFits(int column, int headerLine, std::string_view signFormat) const {
  int looked = 0;
  int matched = 0;
  for (int line = headerLine + 1; line < LineCount(); ++line) {
    ++looked;
    if (SignOfMarker(signFormat, CellText(line, column)) != 0 && ++matched > kSignMatchesNeeded) return true;
    if (looked - matched > kSignMisses) return false;
  }
  return false;
}

void CRecognitionState::DetectSignColumn(int headerLine) {
  for (int column = 0; column < ColumnCount(); ++column) {
    if (RoleOf(column) != 0 || !PassesSignColumnTest(column)) continue;
    for (int entry = 0; const CFormatXMLEntry* signFormat = names_.Entry(header_key::kVorzeichen, entry); ++entry) {
      if (!SignEntryFits(column, headerLine, signFormat->text)) continue;
      CColumnRecord& record = blockA_.Column(column);
      record.role = kSignColumnRole;
      record.weight = kSignColumnWeight;
      record.signEntry = entry;
      return;
    }
  }
}

void CRecognitionState::Log(std::string_view line) const {
  if (log_ != nullptr) log_->Write(line);
}
