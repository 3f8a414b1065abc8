#pragma once
// CImportRegel: the import rules (table ImportRegel, shared by all books),
// loaded and stored with the import manager. How a rule matches and checks
// a bank record (RuleMatching.h, RuleChecks.h), the choice of the rule for a
// record (RuleChoice.h) and the rules the program makes itself
// (RulesMadeByProgram.h) build on these records.
// User-interface thread only.

#include <memory>
#include <string_view>

#include "import/ImportRowList.h"
#include "storage/ImportTables.h"

// RegelTypId: what a recognised bank record becomes.
enum ERegelTyp : int {
  kRegelKeineUebernahme = 1,  // no transfer
  kRegelVertrag = 2,          // contract payment
  kRegelVorgang = 3,          // single entry
  kRegelZinsen = 4,           // interest and fees
  kRegelKontoInfo = 5,        // assigns an account
  kRegelKontostand = 6,       // confirms a balance
};

// OpBetrag: how the record's amount is compared with the rule's Betrag.
enum EOpBetrag : int {
  kOpGleich = 1,
  kOpGroesser = 2,
  kOpKleiner = 3,
  kOpGroesserGleich = 4,
  kOpKleinerGleich = 5,
};

// ImportFormatId of a rule: 0 serves every format ("alle Formate"); the
// rule screen stores -1 when no format was chosen, which serves none.
inline constexpr int kRegelAlleFormate = 0;
inline constexpr int kRegelKeinFormat = -1;

// UebernahmePruefung: what a failed check criterion makes of the record.
enum EUebernahmePruefung : int { kPruefungKeine = 0, kPruefungWarnung = 1, kPruefungFehler = 2 };

// One rule: the criteria that recognise a bank record and what the record
// becomes in the book.
class CImportRegelData : public CImportRegelRow {
 public:
  static constexpr const char* kLoadSql = "select * from [ImportRegel];";

  // A new rule is active; every other field is 0 or empty.
  CImportRegelData() { Selected = 1; }

  bool IsActive() const { return !IsDeleted() && Selected != 0; }

  // Whether the rule serves records of the format in the searches of the
  // collection: it is not restricted to a format (UseImportFormat 0,
  // whatever id the rule screen left, -1 included), or it names all formats
  // (0) or that format (a real one, id above 0). A restricted rule with -1
  // serves none.
  bool ServesFormat(int formatId) const {
    return ServesAllFormats() || (formatId > 0 && ImportFormatId == formatId);
  }
  bool ServesAllFormats() const { return UseImportFormat == 0 || ImportFormatId == kRegelAlleFormate; }
  // Whether the rule is restricted to exactly this format.
  bool BoundToFormat(int formatId) const {
    return UseImportFormat != 0 && formatId > 0 && ImportFormatId == formatId;
  }

  // The row of the rule list that shows the rule, -1 when not shown.
  int listRow = -1;
};

class CImportRegel : public CImportRowList<CImportRegelData, &CImportRegelRow::ImportRegelId> {
 public:
  // A new active rule with the next id. The list owns it.
  CImportRegelData& New() { return AppendWithNewId(); }
  // A rule made elsewhere, appended with the next id. The list owns it.
  CImportRegelData& Add(std::unique_ptr<CImportRegelData> rule) { return AppendWithNewId(std::move(rule)); }

  // The active rule (not deleted, Selected) with the id; null if none.
  CImportRegelData* FindActive(int id) {
    CImportRegelData* rule = FindId(id);
    return rule && rule->IsActive() ? rule : nullptr;
  }

  // The first active rule of the type in list order that serves the format
  // (see ServesFormat); null if none.
  CImportRegelData* FindFirstActive(int regelTyp, int formatId);
  // The first active rule of the type restricted to exactly this format.
  CImportRegelData* FindFirstActiveBound(int regelTyp, int formatId);
  // The rule not marked deleted shown in the list row; null if none.
  CImportRegelData* FindListRow(int row);

  // The account-information rule (type 5) for an account text read with the
  // format: the first active one in list order without a mandatory
  // identifying text, or whose text is contained in (KennstringEnthalten) or
  // equal to the account text, case ignored. A rule that does not serve the
  // format (see ServesFormat) is passed over. Null if none.
  CImportRegelData* FindKontoInfoRule(std::string_view accountText, int formatId);
};
