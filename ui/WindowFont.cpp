#include "ui/WindowFont.h"

#include <QFontDatabase>

namespace vortalin {

QFont WindowFont() {
    // Where MS Sans Serif is missing, DejaVu Sans Condensed comes closest to
    // its widths, so the captions and cell texts fit the places laid out for it.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    for (const QString family :
         {QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed")}) {
        if (QFontDatabase::hasFamily(family)) {
            font = QFont(family);
            break;
        }
    }
    font.setStyleHint(QFont::SansSerif);
    // Pixels rather than points: every control is placed in pixels, and the
    // texts must fit them whatever dpi the display reports.
    font.setPixelSize(11);
    return font;
}

}  // namespace vortalin
