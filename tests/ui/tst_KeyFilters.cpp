#include <QLineEdit>
#include <QTest>

#include "UiTestMain.h"
#include "ui/KeyFilters.h"

using namespace vortalin;

class TestKeyFilters : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sensorAngleKey_data() {
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<QString>("becomes");
        QTest::newRow("digit 0") << QChar(u'0') << QStringLiteral("0");
        QTest::newRow("digit 9") << QChar(u'9') << QStringLiteral("9");
        QTest::newRow("backspace") << QChar(8) << QString(QChar(8));
        QTest::newRow("minus") << QChar(u'-') << QString();
        QTest::newRow("letter") << QChar(u'a') << QString();
        QTest::newRow("point") << QChar(u'.') << QString();
        QTest::newRow("Enter") << QChar(13) << QString();
        QTest::newRow("Cyrillic") << QChar(u'ж') << QString();
    }
    void sensorAngleKey() {
        QFETCH(QChar, typed);
        QFETCH(QString, becomes);
        QCOMPARE(SensorAngleKey(typed), becomes);
    }

    void gridKey_data() {
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("becomes");
        const QString comma = QStringLiteral(","), point = QStringLiteral(".");
        QTest::newRow("digit") << QChar(u'7') << comma << QStringLiteral("7");
        QTest::newRow("minus") << QChar(u'-') << comma << QStringLiteral("-");
        QTest::newRow("backspace") << QChar(8) << comma << QString(QChar(8));
        QTest::newRow("point, comma locale") << QChar(u'.') << comma << comma;
        QTest::newRow("comma, comma locale") << QChar(u',') << comma << comma;
        QTest::newRow("point, point locale") << QChar(u'.') << point << point;
        QTest::newRow("comma, point locale") << QChar(u',') << point << point;
        QTest::newRow("plus") << QChar(u'+') << comma << QString();
        QTest::newRow("hex letter") << QChar(u'A') << comma << QString();
        QTest::newRow("exponent") << QChar(u'e') << comma << QString();
        QTest::newRow("space") << QChar(u' ') << comma << QString();
        QTest::newRow("Enter") << QChar(13) << comma << QString();
    }
    void gridKey() {
        QFETCH(QChar, typed);
        QFETCH(QString, separator);
        QFETCH(QString, becomes);
        QCOMPARE(GridKey(typed, separator), becomes);
    }

    // The filter object on a plain line edit, fed by real key events.
    void filterObjectReplacesAndDiscards() {
        QLineEdit edit;
        edit.installEventFilter(
            new KeyFilterObject([](QChar c) { return GridKey(c, QStringLiteral(",")); }, &edit));
        QTest::keyClicks(&edit, QStringLiteral("-1.5x2"));
        QCOMPARE(edit.text(), QStringLiteral("-1,52"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("-1,5"));
        // Keys that do not type a character are not the filter's business.
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QStringLiteral("1,5"));
    }
};

VORTALIN_UI_TEST_MAIN(TestKeyFilters)
#include "tst_KeyFilters.moc"
