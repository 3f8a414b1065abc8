#include "monitoring/MonitoringHit.h"

#include <utility>

void CHitList::Clear(int firstMonthId, int lastMonthId) {
  hits_.clear();
  counter_ = 0;
  firstMonthId_ = firstMonthId;
  lastMonthId_ = lastMonthId;
}

int CHitList::Add(CHit hit) {
  hit.id = ++counter_;
  hits_.push_back(std::move(hit));
  return Count() - 1;
}
