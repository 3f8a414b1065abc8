#pragma once

// The program's font slots (model/FontTable.h) as Qt fonts, and the font
// operations of the print screens.

#include <QFont>
#include <QSize>
#include <QStringList>

// The font of slot 0 ... 2; the application's font for an empty slot. The
// face "Arial" is asked for as such and falls back to the system's
// sans-serif face where it is not installed.
QFont FontOfSlot(int slot);

// The installed scalable (TrueType and OpenType) font families, in the order
// the font database lists them; bitmap families are left out.
QStringList ScalableFontFamilies();

// The width and height of text drawn in font.
QSize TextExtent(const QString& text, const QFont& font);
