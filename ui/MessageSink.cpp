#include "ui/MessageSink.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace vortalin {

void MessageBoxSink::warning(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"), text, QMessageBox::Ok, owner_);
    box.exec();
}

void MessageBoxSink::error(const QString& text) {
    // Titled like the application's own report of an unhandled error.
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    text + QLatin1Char('.'), QMessageBox::Ok, owner_);
    box.exec();
}

bool Report(MessageSink& messages, const Outcome& outcome) {
    const QString text = QString::fromStdString(outcome.message);
    switch (outcome.kind) {
        case Outcome::Kind::Done:
            return true;
        case Outcome::Kind::Warning:
            messages.warning(text);
            return false;
        case Outcome::Kind::ConversionError:
            messages.error(text);
            return false;
    }
    return false;
}

}  // namespace vortalin
