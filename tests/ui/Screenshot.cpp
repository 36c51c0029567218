// Grabs the main window after decoding the sample fragment: the picture in
// the README. Usage: vortalin_screenshot OUTPUT.png [--hold MS] [--about]
// --hold keeps the windows up for a screen grab from outside (under Xvfb);
// --about shows the about box over the main window as well.
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "SampleFragment.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ворталин"));
    QStringList args = QApplication::arguments().mid(1);
    const bool about = args.removeAll(QStringLiteral("--about")) > 0;
    int holdMs = 0;
    if (const qsizetype at = args.indexOf(QStringLiteral("--hold"));
        at >= 0 && at + 1 < args.size()) {
        holdMs = args.at(at + 1).toInt();
        args.remove(at, 2);
    }
    if (args.size() != 1) {
        qCritical("usage: vortalin_screenshot OUTPUT.png [--hold MS] [--about]");
        return 2;
    }
    TForm1 form;
    TAboutBox aboutBox;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    form.Memo1->setPlainText(QString::fromLatin1(kSampleFragment));
    form.Button1Click();
    QTest::qWait(100);  // let the chart lay itself out
    if (!form.grab().save(args.first())) return 1;
    if (about) aboutBox.show();
    QTest::qWait(holdMs);
    return 0;
}
