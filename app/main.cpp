#include <QApplication>
#include <QIcon>

#include "ui/Unit1.h"
#include "ui/Unit2.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ворталин"));

    TForm1 Form1;
    TAboutBox AboutBox;
    Form1.SetAboutBox(&AboutBox);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vortalin/vortalin.png")));

    Form1.show();
    return QApplication::exec();
}
