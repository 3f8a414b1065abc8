#pragma once

// The program's icons: from the Adwaita theme where it has them, else drawn.

#include <QIcon>

// Makes the Adwaita theme the icon theme when the platform names none.
void UseIconTheme();
// The program icon of every screen window.
QIcon ProgramIcon();
// The help button's icon.
QIcon HelpIcon();
// The icon of the About box button.
QIcon InfoIcon();
