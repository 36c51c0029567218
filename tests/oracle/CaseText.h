#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vortalin::oracle {

// A pasted text as a failure message can show it: line breaks, tabs and
// bytes that are not printable ASCII written as escapes.
inline std::string Escaped(std::string_view text) {
    std::string shown;
    for (unsigned char c : text) {
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (c < 0x20 || c >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            shown += escape;
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

}  // namespace vortalin::oracle
