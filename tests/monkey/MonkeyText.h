#pragma once

// Texts the monkey types and pastes: real routines in the shapes people paste
// them (line breaks, Cyrillic notes, cut short, lower case), angles, and junk.

#include <QString>
#include <random>

namespace monkey {

inline QString Routine(std::mt19937& random) {
    static const char* digits = "0123456789ABCDEF";
    QString text = QStringLiteral("E0B") + QChar(digits[random() % 16]) + QStringLiteral("E6A0");
    for (int i = 0; i < 32; ++i) {
        const unsigned count = random() % 256;
        const char word[] = {'E', digits[count / 16], '0', digits[count % 16], '\0'};
        text += QLatin1String(word);
        text += i < 31 ? QStringLiteral("930D") : QStringLiteral("930C");
    }
    return text + QStringLiteral("9508");
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
