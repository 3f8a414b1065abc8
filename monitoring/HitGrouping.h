#pragma once
// Grouping and ordering the monitoring list.

#include "monitoring/MonitoringHit.h"

// Removes every heading, adds the headings of the grouping (kGroupByMonth:
// one per evaluated month; kGroupByKind: one per kind of rule; kGroupNone:
// none), orders the list and fills every line's text, image and colour.
// By month the order is month, kind, heading first; otherwise kind, heading
// first, month. Hits of equal place keep their evaluation order.
void GroupHits(CHitList& hits, int grouping);
