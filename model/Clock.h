#pragma once

// "Today" for the whole core. Code asks Today() instead of reading the system
// time, so that a test can say "on 15 March 2009" by installing a CFixedClock.
// User-interface thread only.

#include "model/MonthMath.h"
#include "model/ProcessWide.h"
#include "storage/Date.h"

class IClock {
 public:
  virtual ~IClock() = default;
  // The current local date (no time of day).
  virtual CDate Today() const = 0;
};

// The local date of the machine, read at every call.
class CSystemClock final : public IClock {
 public:
  CDate Today() const override;
};

// A date that stays put until it is set again.
class CFixedClock final : public IClock {
 public:
  explicit CFixedClock(CDate today) : today_(today) {}
  CDate Today() const override { return today_; }
  void SetToday(CDate today) { today_ = today; }

 private:
  CDate today_;
};

// Installing: CScopedClock installed(clock). Without an installed clock the
// system clock is used.
using CScopedClock = CScopedInstall<IClock>;

// Today's date from the installed clock.
CDate Today();

// The month id of today (MonthIdOfDate of Today()).
int TodayMonthId();
