#include "ui/KeyFilters.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace vortalin {

namespace {
constexpr QChar kBackspace(8);

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
}  // namespace

QString SensorAngleKey(QChar typed) {
    return typed == kBackspace || IsDigit(typed) ? QString(typed) : QString();
}

QString GridKey(QChar typed, const QString& decimalSeparator) {
    if (typed == u'.' || typed == u',') return decimalSeparator;
    return typed == kBackspace || typed == u'-' || IsDigit(typed) ? QString(typed) : QString();
}

bool TypesCharacter(const QKeyEvent& event) {
    // Shortcuts (copy, paste, select all) are commands, not typed characters.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (event.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_Delete:
            return false;
        default:
            return event.text().size() == 1;
    }
}

KeyFilterObject::KeyFilterObject(KeyFilter filter, QObject* parent)
    : QObject(parent), filter_(std::move(filter)) {}

bool KeyFilterObject::Filter(QObject* watched, QKeyEvent& event) {
    if (!TypesCharacter(event)) return false;
    const QString typed = event.text();
    const QString becomes = filter_(typed.front());
    if (becomes == typed) return false;
    if (!becomes.isEmpty()) {
        // Key codes of the printable ASCII characters are their character codes.
        const int key = becomes.size() == 1 && becomes.front().unicode() < 0x80
                            ? int{becomes.front().toUpper().unicode()}
                            : int{Qt::Key_unknown};
        QKeyEvent replacement(QEvent::KeyPress, key, event.modifiers(), becomes);
        QCoreApplication::sendEvent(watched, &replacement);
    }
    return true;
}

bool KeyFilterObject::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && Filter(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace vortalin
