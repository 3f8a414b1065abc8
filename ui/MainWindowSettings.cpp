#include "ui/MainWindowSettings.h"

#include "model/MonthMath.h"

CMainWindowSettings DefaultMainWindowSettings(int currentMonthId) {
  return {currentMonthId, AddMonths(currentMonthId, 3), 1, 1, 0};
}

CMainWindowSettings ReadMainWindowSettings(const CMaskData& record) {
  return {record.FirstFilterMonatId, record.LastFilterMonatId, record.GroupBy, record.SofortUpdate,
          record.OnlyAktiv};
}

void WriteMainWindowSettings(const CMainWindowSettings& settings, CMaskData& record) {
  record.FirstFilterMonatId = settings.firstMonthId;
  record.LastFilterMonatId = settings.lastMonthId;
  record.GroupBy = settings.grouping;
  record.SofortUpdate = settings.alwaysRefresh;
  record.OnlyAktiv = settings.currentMonthOnly;
}

CMaskData& MainWindowRecord(CMaskDataList& masks, int currentMonthId) {
  if (CMaskData* found = masks.FindMask(kMainWindowId)) return *found;
  CMaskData& made = masks.NewMask(kMainWindowId);
  WriteMainWindowSettings(DefaultMainWindowSettings(currentMonthId), made);
  return made;
}
