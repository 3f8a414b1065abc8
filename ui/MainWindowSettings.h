#pragma once

// The saved settings of the main window: the MaskData record of screen 122
// holds the period ("von", "bis"), the grouping, "immer aktualisieren" and
// "aktueller Monat" (kept in OnlyAktiv).

#include "storage/MaskData.h"

inline constexpr int kMainWindowId = 122;

struct CMainWindowSettings {
  int firstMonthId = 0;
  int lastMonthId = 0;
  int grouping = 1;
  int alwaysRefresh = 1;
  int currentMonthOnly = 0;
  friend bool operator==(const CMainWindowSettings&, const CMainWindowSettings&) = default;
};

// Without a record: the current month to three months after it, grouped by
// month, "immer aktualisieren" on, "aktueller Monat" off.
CMainWindowSettings DefaultMainWindowSettings(int currentMonthId);
CMainWindowSettings ReadMainWindowSettings(const CMaskData& record);
void WriteMainWindowSettings(const CMainWindowSettings& settings, CMaskData& record);

// The record of the main window in the list, made with the defaults when the
// list has none. Owned by the list.
CMaskData& MainWindowRecord(CMaskDataList& masks, int currentMonthId);
