#pragma once

#include <QApplication>
#include <QTest>

// Tests run without a display unless told otherwise, at a fixed scale, under
// the program's own name (the error box's title).
#define VORTALIN_UI_TEST_MAIN(TestClass)                              \
    int main(int argc, char* argv[]) {                                \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))           \
            qputenv("QT_QPA_PLATFORM", "offscreen");                  \
        qputenv("QT_SCALE_FACTOR", "1");                              \
        QApplication application(argc, argv);                         \
        QApplication::setApplicationName(QStringLiteral("Ворталин")); \
        TestClass test;                                               \
        return QTest::qExec(&test, argc, argv);                       \
    }
