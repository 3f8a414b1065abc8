#include "monitoring/ReportEvaluation.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "accounting/Bestandsdaten.h"
#include "accounting/DueDates.h"
#include "accounting/Vertrag.h"
#include "accounting/Vorgang.h"
#include "model/Clock.h"

namespace {

using CRules = std::vector<const CReport*>;

std::uint64_t PairKey(int a, int b) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) << 32) | static_cast<std::uint32_t>(b);
}

// The active rules of one kind, by the object they watch (0: all).
class CRulesByObject {
 public:
  void Add(int objectId, const CReport& rule) { byObject_[objectId].push_back(&rule); }
  // The rules for objectId and those for every object, in list order.
  const CRules& For(int objectId) const {
    if (objectId == 0) return Of(0);
    const auto [merged, made] = merged_.try_emplace(objectId);
    if (made) {
      merged->second = Of(objectId);
      const CRules& all = Of(0);
      merged->second.insert(merged->second.end(), all.begin(), all.end());
      std::sort(merged->second.begin(), merged->second.end(),
                [](const CReport* a, const CReport* b) { return a->Position() < b->Position(); });
    }
    return merged->second;
  }
  const CRules& Of(int objectId) const {
    static const CRules none;
    const auto found = byObject_.find(objectId);
    return found == byObject_.end() ? none : found->second;
  }
  bool Empty() const { return byObject_.empty(); }

 private:
  std::unordered_map<int, CRules> byObject_;
  mutable std::unordered_map<int, CRules> merged_;
};

class CEvaluation {
 public:
  CEvaluation(const CReportList& rules, const CMonthCollections& book, const CDate& today, CHitList& hits)
      : book_(book), today_(today), hits_(hits) {
    SortRules(rules);
  }

  void Run(int first, int last) {
    AddInputErrors();
    for (const CBestandsdaten& account : book_.accounts)
      if (InRange(account.MonatId, first, last) && !account.IsDeleted() && account.ValidIn(account.MonatId))
        AddAccountHits(account);
    if (!contractRules_.Empty()) IndexContracts();
    for (const CVorgang& entry : book_.entries)
      if (InRange(entry.MonatId, first, last) && Evaluated(entry)) AddEntryHits(entry);
    SetVisibility();
  }

 private:
  static bool InRange(int monthId, int first, int last) { return monthId >= first && monthId <= last; }
  // Computed interest is no entry of the user's; the due month's record of
  // a payment made in another month repeats the payment record.
  static bool Evaluated(const CVorgang& entry) {
    return entry.IsLive() && entry.Typ != kEntryReserveShare && !entry.IsPaidInOtherMonth();
  }

  void SortRules(const CReportList& rules) {
    for (const CReport& rule : rules) {
      if (!rule.IsActive()) continue;
      switch (rule.ReportTyp) {
        case kReportInputError: inputRules_.push_back(&rule); break;
        case kReportContract: contractRules_.Add(rule.VertragId, rule); break;
        case kReportCategory: categoryRules_.Add(rule.KategorieId, rule); break;
        case kReportAccount: accountRules_.Add(rule.KontoId, rule); break;
        default: break;
      }
    }
  }

  CHit HitOf(const CReport& rule, int monthId, int objectId) const {
    CHit hit;
    hit.reportId = rule.ReportId;
    hit.reportTyp = rule.ReportTyp;
    hit.monthId = monthId;
    hit.objectId = objectId;
    hit.report = &rule;
    return hit;
  }

  void AddInputErrors() {
    const auto live = [](const auto& record) { return !record.IsDeleted(); };
    const bool noAccount = std::none_of(book_.accounts.begin(), book_.accounts.end(), live);
    const bool noContract = std::none_of(book_.contracts.begin(), book_.contracts.end(), live);
    for (const CReport* rule : inputRules_)
      if ((rule->ReportId == kReportNoAccount && noAccount) || (rule->ReportId == kReportNoContract && noContract))
        hits_.Add(HitOf(*rule, 0, 0));
  }

  void AddAccountHits(const CBestandsdaten& account) {
    for (const CReport* rule : accountRules_.For(account.PostenId)) {
      if (!AccountBreaksRule(account, *rule)) continue;
      CHit hit = HitOf(*rule, account.MonatId, account.PostenId);
      hit.objectName = account.Bezeichnung;
      hits_.Add(std::move(hit));
    }
  }
  static bool AccountBreaksRule(const CBestandsdaten& account, const CReport& rule) {
    if (rule.FlagCheckBetrag == 0) return account.Bestaetigt == 0;
    return (account.Bestaetigt != 0 || rule.NotChecked != 0) && rule.BreaksLimit(account.Betrag);
  }

  void AddEntryHits(const CVorgang& entry) {
    if (entry.RefersToContract() && entry.Bestaetigt == 0) AddContractHits(entry);
    if (entry.IsCorrection()) AddUncapturedHits(entry);
    if (entry.KategorieId != 0) AddToCategorySums(entry);
  }

  void IndexContracts() {
    for (const CVertrag& contract : book_.contracts)
      if (!contract.IsDeleted()) contractOfMonth_.emplace(PairKey(contract.PostenId, contract.MonatId), &contract);
  }
  // The contract's record of the due month, else of the entry's month.
  const CVertrag* ContractOf(const CVorgang& entry) const {
    for (int monthId : {entry.DueMonthId(), entry.MonatId}) {
      const auto found = contractOfMonth_.find(PairKey(entry.RefVertragPostenId, monthId));
      if (found != contractOfMonth_.end()) return found->second;
    }
    return nullptr;
  }

  void AddContractHits(const CVorgang& entry) {
    const CRules& rules = contractRules_.For(entry.RefVertragPostenId);
    if (rules.empty()) return;
    const CVertrag* contract = ContractOf(entry);
    if (!contract) return;
    const std::optional<CDate> due = DueInMonth(*contract, entry.DueMonthId());
    if (!due) return;
    const int daysToDue = due->DayNumber() - today_.DayNumber();
    for (const CReport* rule : rules) {
      const int sign = rule->FlagVorNach == kReportDueAgo ? -1 : 1;
      const int unit = rule->FlagTageWochen == kReportWeeks ? 7 : 1;
      if (today_.AddDays(sign * unit * rule->AnzTage) <= *due) continue;
      CHit hit = HitOf(*rule, entry.MonatId, entry.RefVertragPostenId);
      hit.value = daysToDue;
      hit.objectName = contract->Bezeichnung;
      hit.contractTyp = contract->Typ;
      hits_.Add(std::move(hit));
    }
  }

  void AddUncapturedHits(const CVorgang& entry) {
    for (const CReport* rule : categoryRules_.Of(0)) {
      if (!rule->BreaksLimit(entry.Betrag)) continue;
      CHit hit = HitOf(*rule, entry.MonatId, 0);
      hit.value = entry.Betrag;
      hits_.Add(std::move(hit));
    }
  }

  void AddToCategorySums(const CVorgang& entry) {
    for (const CReport* rule : categoryRules_.Of(entry.KategorieId)) {
      CHit& hit = CategoryHit(*rule, entry.MonatId, entry.KategorieId);
      if (entry.Typ == kEntryIncome) hit.value -= entry.Betrag;
      if (entry.Typ == kEntryExpense) hit.value += entry.Betrag;
    }
  }
  CHit& CategoryHit(const CReport& rule, int monthId, int categoryId) {
    const auto [found, made] = categoryHits_.try_emplace(PairKey(rule.Position(), monthId), 0);
    if (made) found->second = hits_.Add(HitOf(rule, monthId, categoryId));
    return hits_.Hits()[found->second];
  }

  void SetVisibility() {
    for (CHit& hit : hits_.Hits())
      hit.visible = hit.reportTyp != kReportCategory || hit.objectId == 0 || hit.report->BreaksLimit(hit.value);
  }

  const CMonthCollections& book_;
  CDate today_;
  CHitList& hits_;
  CRules inputRules_;
  CRulesByObject contractRules_;
  CRulesByObject categoryRules_;
  CRulesByObject accountRules_;
  std::unordered_map<std::uint64_t, const CVertrag*> contractOfMonth_;
  std::unordered_map<std::uint64_t, int> categoryHits_;  // (rule position, month) -> hit position
};

}  // namespace

void EvaluateReports(const CReportList& rules, const CMonthCollections& book, int firstMonthId, int lastMonthId,
                     const CDate& today, CHitList& hits) {
  hits.Clear(firstMonthId, lastMonthId);
  CEvaluation(rules, book, today, hits).Run(firstMonthId, lastMonthId);
}

void EvaluateReports(const CReportList& rules, const CMonthCollections& book, int firstMonthId, int lastMonthId,
                     CHitList& hits) {
  EvaluateReports(rules, book, firstMonthId, lastMonthId, Today(), hits);
}
