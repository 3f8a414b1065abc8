#pragma once
// A book held in memory for the monitoring tests: accounts, entries and
// contracts appended straight into the collections, rules into a rule list,
// today fixed at 15 April 2007.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "accounting/Bestandsdaten.h"
#include "accounting/Vertrag.h"
#include "accounting/Vorgang.h"
#include "model/Clock.h"
#include "model/Monat.h"
#include "monitoring/Report.h"
#include "monitoring/ReportEvaluation.h"

inline constexpr int kMarch = 75;  // 2007
inline constexpr int kApril = 76;
inline constexpr int kMay = 77;
inline constexpr int kJune = 78;

class MonitoringBook : public ::testing::Test {
 protected:
  CDate Today() const { return clock_.Today(); }
  CDate DaysFromToday(int days) const { return Today().AddDays(days); }

  CBestandsdaten& AddAccount(int postenId, int monthId, const std::string& name, double balance, int confirmed) {
    CBestandsdaten& account = accounts_.AppendNew();
    account.PostenId = postenId;
    account.MonatId = monthId;
    account.Bezeichnung = name;
    account.Betrag = balance;
    account.Bestaetigt = confirmed;
    account.FirstMonatId = kMarch;
    return account;
  }
  // A monthly contract whose first due date is `due`, recorded in due's month.
  CVertrag& AddContract(int postenId, const CDate& due, const std::string& name, int typ = kContractExpense) {
    CVertrag& contract = contracts_.AppendNew();
    contract.PostenId = postenId;
    contract.MonatId = MonthIdOfDate(due);
    contract.Bezeichnung = name;
    contract.Typ = typ;
    contract.AnzZahlungen = 12;
    contract.ErsteFaelligkeit = due;
    contract.FirstMonat = contract.MonatId;
    return contract;
  }
  CVorgang& AddEntry(int monthId, int typ, double amount, int kategorieId = 0) {
    CVorgang& entry = entries_.AppendNew();
    entry.PostenId = ++lastEntryId_;
    entry.MonatId = monthId;
    entry.Typ = typ;
    entry.Betrag = amount;
    entry.KategorieId = kategorieId;
    entry.Bestaetigt = 1;
    return entry;
  }
  // The unconfirmed due entry of the contract in its month.
  CVorgang& AddDueEntry(const CVertrag& contract) {
    CVorgang& entry = AddEntry(contract.MonatId, contract.Typ, contract.Betrag);
    entry.RefVertragPostenId = contract.PostenId;
    entry.Bestaetigt = 0;
    return entry;
  }
  CReport& AddRule(int typ) {
    CReport& rule = rules_.New(typ);
    rule.Aktiv = 1;
    return rule;
  }
  CReport& AddDueRule(int flagVorNach, int anzTage, int flagTageWochen) {
    CReport& rule = AddRule(kReportContract);
    rule.FlagVorNach = flagVorNach;
    rule.AnzTage = anzTage;
    rule.FlagTageWochen = flagTageWochen;
    return rule;
  }

  const CHitList& Evaluate(int first = kMarch, int last = kJune) {
    entries_.InvalidateIndex();
    EvaluateReports(rules_, CMonthCollections{accounts_, entries_, contracts_}, first, last, hits_);
    return hits_;
  }
  std::vector<const CHit*> HitsOf(int reportTyp) const {
    std::vector<const CHit*> found;
    for (const CHit& hit : hits_.Hits())
      if (hit.reportTyp == reportTyp) found.push_back(&hit);
    return found;
  }

  CFixedClock clock_{CDate::FromYmd(2007, 4, 15)};
  CScopedClock installedClock_{clock_};
  CBestandsdatenList accounts_;
  CVorgangList entries_;
  CVertragList contracts_;
  CReportList rules_;
  CHitList hits_;
  int lastEntryId_ = 0;
};
