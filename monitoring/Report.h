#pragma once
// The monitoring rules of the current book.

#include "model/BookRecordList.h"
#include "storage/BookTables.h"

class CReport : public CReportRow {
 public:
  static constexpr const char* kLoadSql = "select * from [Report] where Report.BuchId = %d;";
};

class CReportList : public CBookRecordList<CReport, &CReportRow::ReportId> {
 public:
  // Appends a rule of the type with the next id, every other column 0.
  CReport& New(int reportTyp);
};
