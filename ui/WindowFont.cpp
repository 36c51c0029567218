#include "ui/WindowFont.h"

#include <QFontDatabase>

namespace vortalin {

QFont WindowFont() {
    const QString family = QStringLiteral("MS Sans Serif");
    QFont font = QFontDatabase::hasFamily(family)
                     ? QFont(family)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    // Pixels rather than points: every control is placed in pixels, and the
    // texts must fit them whatever dpi the display reports.
    font.setPixelSize(11);
    return font;
}

}  // namespace vortalin
