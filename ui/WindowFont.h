#pragma once

#include <QFont>

namespace vortalin {

// The windows' font: MS Sans Serif where the system has it, else the closest
// sans-serif, 11 pixels high (8 points at 96 dpi).
QFont WindowFont();

}  // namespace vortalin
