#include "model/Clock.h"

#include <ctime>

CDate CSystemClock::Today() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return CDate::FromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

CDate Today() {
  if (const IClock* clock = CProcessWide<IClock>::Installed()) return clock->Today();
  return CSystemClock().Today();
}

int TodayMonthId() { return MonthIdOfDate(Today()); }
