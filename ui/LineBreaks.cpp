#include "ui/LineBreaks.h"

namespace vortalin {

std::string ToFragmentText(const QString& boxText) {
    QString text = boxText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

QString ToBoxText(std::string_view fragment) {
    QString text = QString::fromUtf8(fragment.data(), static_cast<qsizetype>(fragment.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace vortalin
