#include "monitoring/Report.h"

CReport& CReportList::New(int reportTyp) {
  CReport& report = AppendWithNewId();
  report.ReportTyp = reportTyp;
  return report;
}
