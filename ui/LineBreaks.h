#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vortalin {

// The text boxes hold bare line feeds; in a fragment a line break counts as
// its two characters CR LF, which shifts every later word of the routine.
std::string ToFragmentText(const QString& boxText);
QString ToBoxText(std::string_view fragment);

}  // namespace vortalin
