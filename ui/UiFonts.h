#pragma once

// The program's font slots (model/FontTable.h) as Qt fonts.

#include <QFont>

// The font of slot 0 ... 2; the application's font for an empty slot. The
// face "Arial" is asked for as such and falls back to the system's
// sans-serif face where it is not installed.
QFont FontOfSlot(int slot);
