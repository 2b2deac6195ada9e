#pragma once

#include <QString>

// Why no window can be opened here, or an empty string when a display seems reachable. Checked
// before the toolkit starts, because the toolkit aborts the program when it finds no display.
QString displayProblem();
