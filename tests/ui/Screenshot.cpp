// Grabs the main window after decoding the sample fragment: the picture in
// the README. Usage: vortalin_screenshot OUTPUT.png
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "SampleFragment.h"
#include "ui/Unit1.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ворталин"));
    if (argc != 2) {
        qCritical("usage: vortalin_screenshot OUTPUT.png");
        return 2;
    }
    TForm1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    form.Memo1->setPlainText(QString::fromLatin1(kSampleFragment));
    form.Button1Click();
    QTest::qWait(100);  // let the chart lay itself out
    return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
