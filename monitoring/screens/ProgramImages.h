#pragma once

// The program's images as the lists show them, by image number: the
// monitoring kinds (input error 3, account 12, category 15, contracts 17,
// 18, 19), the expanded and collapsed group headings and the active and
// inactive marks of a rule. Theme icons where the theme has them, drawn
// signs otherwise, so every number always shows something.

#include <QIcon>

// The image of a number; a null icon for 0 and numbers without an image.
QIcon ProgramImage(int imageNumber);

// Group headings show whether their group is open.
QIcon HeadingImage(bool expanded);

// The marks of the monitoring screen's "aktiv" and "inaktiv" buttons.
QIcon ActiveImage(bool active);
