#pragma once

// Texts the monkey types and pastes: real routines in the shapes people paste
// them (line breaks, Cyrillic notes, cut short, lower case), angles, and junk.

#include <QString>
#include <random>
#include <vector>

#include "RoutineText.h"

namespace monkey {

inline QString Routine(std::mt19937& random) {
    const char addressDigit = "0123456789ABCDEF"[random() % 16];
    std::vector<int> counts;
    for (int i = 0; i < 32; ++i) counts.push_back(static_cast<int>(random() % 256));
    return QString::fromStdString(vortalin::testing::Routine(counts, addressDigit));
}

inline QString Listing(std::mt19937& random) {
    QString routine = Routine(random);
    switch (random() % 8) {
        case 0:  // a line break somewhere, even inside the address words
            routine.insert(static_cast<qsizetype>(random() % routine.size()), QChar('\n'));
            break;
        case 1:
            routine.truncate(static_cast<qsizetype>(random() % routine.size()));
            break;
        case 2:
            routine = routine.toLower();
            break;
        case 3:  // a checksum line after the routine
            routine += QStringLiteral("\n:00000001FF");
            break;
        default:
            break;
    }
    static const QString before[] = {
        QString(), QStringLiteral("0C94D2000C94F100"), QStringLiteral("Прошивка CDI\n"),
        QStringLiteral(":100000000C9434000C944600\n"), QStringLiteral("дамп 🔥 от 12.03\n\n")};
    return before[random() % std::size(before)] + routine;
}

inline QString TypedText(std::mt19937& random) {
    static const QString pieces[] = {
        QStringLiteral("1"),   QStringLiteral("20"),    QStringLiteral("12,5"),
        QStringLiteral("1.5"), QStringLiteral("-3"),    QStringLiteral("999"),
        QStringLiteral("E0B"), QStringLiteral("E00C"),  QStringLiteral("abc"),
        QStringLiteral("УОЗ"), QStringLiteral("7a5"),   QStringLiteral("0x1F"),
        QStringLiteral("$14"), QStringLiteral("1e308"), QStringLiteral(" "),
        QStringLiteral("930D")};
    QString text;
    for (unsigned i = 0, n = 1 + random() % 3; i < n; ++i)
        text += pieces[random() % std::size(pieces)];
    return text;
}

}  // namespace monkey
