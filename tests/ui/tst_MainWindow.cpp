#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "MainWindowFixture.h"
#include "SampleFragment.h"
#include "UiTestMain.h"
#include "core/AdvanceTable.h"
#include "core/Outcome.h"
#include "ui/AdvanceChartView.h"

using namespace vortalin;

namespace {

const QString kSample = QString::fromLatin1(kSampleFragment);
constexpr int kMarker = 16;  // where the routine starts in the sample

bool IsYellow(QRgb pixel) {
    return QColor(pixel) == QColor(Qt::yellow);
}

// The named control that holds the focus (an editor counts for its grid).
QString FocusedControl(const QStringList& names) {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (names.contains(w->objectName())) return w->objectName();
    return QStringLiteral("(none)");
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void windowIsLaidOut() {
        MainWindowFixture f;
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Ворталин  v0.9"));
        QCOMPARE(f.form->size(), QSize(865, 536));
        QCOMPARE(f.form->minimumSize(), f.form->maximumSize());
        QCOMPARE(f.form->pos(), QPoint(231, 189));
        QVERIFY(!f.form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(f.form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QCOMPARE(f.form->font().pixelSize(), 11);
    }

    void controlsAreLaidOut_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("Label1") << "Label1" << QRect(112, 8, 68, 13) << "Угол датчика"
                                << "";
        QTest::newRow("Button1") << "Button1" << QRect(16, 24, 75, 25) << "Рассчитать"
                                 << "HEX в таблицу";
        QTest::newRow("ComboBox1") << "ComboBox1" << QRect(120, 24, 49, 21) << ""
                                   << "";
        QTest::newRow("Memo1") << "Memo1" << QRect(16, 64, 177, 153) << ""
                               << "";
        QTest::newRow("Button2") << "Button2" << QRect(16, 240, 75, 25) << "По таблице"
                                 << "таблица в HEX";
        QTest::newRow("Memo2") << "Memo2" << QRect(16, 280, 177, 153) << ""
                               << "";
        QTest::newRow("Button3") << "Button3" << QRect(16, 448, 177, 65) << "О программе"
                                 << "";
        QTest::newRow("StringGrid1") << "StringGrid1" << QRect(224, 8, 185, 505) << ""
                                     << "";
        QTest::newRow("Chart1") << "Chart1" << QRect(416, 8, 441, 505) << ""
                                << "";
    }
    void controlsAreLaidOut() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        MainWindowFixture f;
        auto* control = f.form->findChild<QWidget*>(name);
        QVERIFY(control);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            // A label takes the size of its caption, at least the one laid out.
            QCOMPARE(label->pos(), geometry.topLeft());
            QVERIFY(label->width() >= geometry.width() && label->height() >= geometry.height());
            QVERIFY(label->width() >= label->sizeHint().width());
        } else {
            QCOMPARE(control->geometry(), geometry);
        }
        QCOMPARE(control->toolTip(), toolTip);
        if (auto* button = qobject_cast<QPushButton*>(control)) QCOMPARE(button->text(), text);
        if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(label->text(), text);
    }

    void startsEmptyWithHeadersAndSensorAngle20() {
        MainWindowFixture f;
        QVERIFY(f.form->Memo1->toPlainText().isEmpty());
        QVERIFY(f.form->Memo2->toPlainText().isEmpty());
        QCOMPARE(f.form->ComboBox1->currentText(), QStringLiteral("20"));
        QStringList items;
        for (int i = 0; i < f.form->ComboBox1->count(); ++i)
            items << f.form->ComboBox1->itemText(i);
        QCOMPARE(items, (QStringList{"40", "35", "30", "25", "20", "15"}));
        QVERIFY(f.form->Table().Table() == TAdvanceTable{});
        QCOMPARE(f.Cell(0, tcRpm), QStringLiteral("об/мин"));
        QCOMPARE(f.Markers()->count(), 0);
        QCOMPARE(f.form->Series1->count(), 0);
        QCOMPARE(f.form->focusWidget(), f.form->Memo1);
    }

    // Cells are 32 x 14 (column 0 45 wide, row 0 16 high) plus one pixel of
    // grid line, and the whole table fits the grid without scrolling.
    void gridHasTheCellSizes() {
        MainWindowFixture f;
        QVERIFY(f.ShowActive());
        QTableView* grid = f.form->StringGrid1;
        QCOMPARE(grid->columnWidth(0), 46);
        QCOMPARE(grid->rowHeight(0), 17);
        for (int c = 1; c < kColumnCount; ++c) QCOMPARE(grid->columnWidth(c), 33);
        for (int r = 1; r < kRowCount; ++r) QCOMPARE(grid->rowHeight(r), 15);
        QVERIFY(grid->showGrid());
        QVERIFY(!grid->horizontalScrollBar()->isVisible());
        QVERIFY(!grid->verticalScrollBar()->isVisible());
        QCOMPARE(grid->selectionMode(), QAbstractItemView::ContiguousSelection);
        QCOMPARE(grid->currentIndex(), f.form->Table().index(1, 1));
    }

    void warningsChangeNothing_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("decode, empty input") << ""
                                             << "Button1" << kNoInputWarning;
        QTest::newRow("encode after start-up") << ""
                                               << "Button2" << kNoDataWarning;
        QTest::newRow("decode, no marker") << "0C94D200E0A0"
                                           << "Button1" << kNoMarkerWarning;
    }
    void warningsChangeNothing() {
        QFETCH(QString, input);
        QFETCH(QString, button);
        QFETCH(QString, message);
        MainWindowFixture f;
        f.form->Memo1->setPlainText(input);
        QTest::mouseClick(f.form->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(*f.messages, QStringList{"warning: " + message});
        QVERIFY(f.form->Table().Table() == TAdvanceTable{});
        QVERIFY(f.form->Memo2->toPlainText().isEmpty());
        QCOMPARE(f.Markers()->count(), 0);
    }

    void decodeFillsTheGridAndTheChart_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("row1Angle");
        QTest::newRow("comma locale") << QLocale(QLocale::Russian, QLocale::Russia) << "4,6";
        QTest::newRow("point locale") << QLocale::c() << "4.6";
    }
    void decodeFillsTheGridAndTheChart() {
        QFETCH(QLocale, locale);
        QFETCH(QString, row1Angle);
        QLocale::setDefault(locale);
        MainWindowFixture f;
        f.Decode(kSample);
        QVERIFY2(f.messages->isEmpty(), qPrintable(f.messages->join('\n')));
        QCOMPARE(f.Cell(0, tcWord), QStringLiteral("таб.1"));
        QCOMPARE(f.Cell(1, tcWord), QStringLiteral("E00B"));
        QCOMPARE(f.Cell(1, tcHex), QStringLiteral("0B"));
        QCOMPARE(f.Cell(1, tcDec), QStringLiteral("11"));
        QCOMPARE(f.Cell(1, tcAdvance), row1Angle);
        QCOMPARE(f.Cell(13, tcAdvance), QStringLiteral("20"));
        for (int row = 1; row <= kEntryCount; ++row)
            QCOMPARE(f.Cell(row, tcDec), QString::number(kSampleCounts[row - 1]));

        const QList<QPointF> points = f.Markers()->points();
        QCOMPARE(points.size(), 25);
        QCOMPARE(points.first(), QPointF(500, 4.6));
        QCOMPARE(points.last(), QPointF(9000, 20 - 1.4 * kSampleCounts[24]));
        QCOMPARE(f.form->Series1->count(), 2 * 25 - 1);
        // Decoding again gives the same 25 points, not 50.
        QTest::mouseClick(f.form->Button1, Qt::LeftButton);
        QCOMPARE(f.Markers()->points(), points);
    }

    // Row 11 (2800 rpm) edited from 17,2 to 15,8 degrees, i.e. count 2 to 3.
    void editedAngleIsEncodedIntoMemo2() {
        MainWindowFixture f;
        QVERIFY(f.ShowActive());
        f.Decode(kSample);
        f.TypeIntoCell(11, tcAdvance, QStringLiteral("15.8"));
        QCOMPARE(f.Cell(11, tcAdvance), QStringLiteral("15,8"));
        QTest::mouseClick(f.form->Button2, Qt::LeftButton);
        QVERIFY2(f.messages->isEmpty(), qPrintable(f.messages->join('\n')));
        QCOMPARE(f.Cell(11, tcDec), QStringLiteral("3"));
        QCOMPARE(f.Cell(11, tcWord), QStringLiteral("E003"));
        QString expected = kSample.left(kMarker + 268);
        expected.replace(kMarker + 8 * 11, 4, QStringLiteral("E003"));
        QCOMPARE(f.form->Memo2->toPlainText(), expected);
        QCOMPARE(f.Markers()->points().at(10), QPointF(2800, 15.8));
    }

    // Text before the routine, line breaks included, comes back as it was.
    void lineBreaksBeforeTheRoutineSurviveTheRoundTrip() {
        MainWindowFixture f;
        const QString head = QStringLiteral("; moto CDI\n0C94D200\n\n");
        f.Decode(head + kSample.mid(kMarker));
        QTest::mouseClick(f.form->Button2, Qt::LeftButton);
        QVERIFY2(f.messages->isEmpty(), qPrintable(f.messages->join('\n')));
        QCOMPARE(f.form->Memo2->toPlainText(), head + kSample.mid(kMarker, 268));
    }

    // A line break inside the routine counts as two characters and shifts
    // every later word by two.
    void lineBreakInsideTheRoutineShiftsTheWords() {
        MainWindowFixture f;
        QString fragment = kSample;
        fragment.insert(kMarker + 8, QLatin1Char('\n'));
        f.Decode(fragment);
        QCOMPARE(f.Cell(1, tcWord), QStringLiteral("\r\nE0"));
        QCOMPARE(f.Cell(2, tcWord), QStringLiteral("0DE0"));
    }

    void conversionErrorLeavesWhatWasWritten() {
        MainWindowFixture f;
        f.form->ComboBox1->setCurrentText(QString());
        f.Decode(kSample);
        QCOMPARE(*f.messages, QStringList{"error: '' is not a valid integer value"});
        QCOMPARE(f.Cell(0, tcWord), QStringLiteral("таб.1"));
        QCOMPARE(f.Cell(1, tcDec), QStringLiteral("11"));
        QCOMPARE(f.Cell(1, tcAdvance), QString());
        QCOMPARE(f.Markers()->count(), 0);
        // The window goes on working.
        f.form->ComboBox1->setCurrentText(QStringLiteral("20"));
        QTest::mouseClick(f.form->Button1, Qt::LeftButton);
        QCOMPARE(f.Markers()->count(), 25);
    }

    void encodeErrorKeepsTheCurvePointsBeforeIt() {
        MainWindowFixture f;
        f.Decode(kSample);
        f.form->Memo2->setPlainText(QStringLiteral("old output"));
        QVERIFY(f.form->Table().setData(f.form->Table().index(5, tcAdvance), "8,8,1"));
        QTest::mouseClick(f.form->Button2, Qt::LeftButton);
        QCOMPARE(*f.messages, QStringList{"error: '8,8,1' is not a valid floating point value"});
        QCOMPARE(f.Markers()->count(), 4);
        QCOMPARE(f.form->Memo2->toPlainText(), QStringLiteral("old output"));
    }

    void sensorAngleBoxTakesTwoDigits_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("letter between digits") << "7a5"
                                               << "75";
        QTest::newRow("third digit") << "123"
                                     << "12";
        QTest::newRow("sign and point") << "-1.5"
                                        << "15";
    }
    void sensorAngleBoxTakesTwoDigits() {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        MainWindowFixture f;
        QVERIFY(f.ShowActive());
        QComboBox* box = f.form->ComboBox1;
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->currentText(), QString());
        QTest::keyClicks(QApplication::focusWidget(), keys);
        QCOMPARE(box->currentText(), text);
    }

    void gridCellsTakeNumbersOnly_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        const QLocale ru(QLocale::Russian, QLocale::Russia);
        QTest::newRow("point, comma locale") << ru << "1.5"
                                             << "1,5";
        QTest::newRow("point, point locale") << QLocale::c() << "1.5"
                                             << "1.5";
        QTest::newRow("comma, point locale") << QLocale::c() << "1,5"
                                             << "1.5";
        QTest::newRow("letters and signs") << ru << "-a2+bE3 "
                                           << "-23";
        QTest::newRow("Enter") << ru << "3\r4"
                               << "34";
    }
    void gridCellsTakeNumbersOnly() {
        QFETCH(QLocale, locale);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        MainWindowFixture f;
        QVERIFY(f.ShowActive());
        for (int column : {int(tcWord), int(tcAdvance)}) {
            f.TypeIntoCell(3, column, keys);
            QCOMPARE(f.Cell(3, column), text);
        }
    }

    void angleColumnIsPaintedYellow_data() {
        QTest::addColumn<bool>("decoded");
        QTest::newRow("after start-up") << false;
        QTest::newRow("after decode") << true;
    }
    void angleColumnIsPaintedYellow() {
        QFETCH(bool, decoded);
        MainWindowFixture f;
        QVERIFY(f.ShowActive());
        if (decoded) f.Decode(kSample);
        QTableView* grid = f.form->StringGrid1;
        const QImage image = grid->viewport()->grab().toImage();
        for (int row = 1; row < kRowCount; ++row) {
            const QRect cell = grid->visualRect(f.form->Table().index(row, tcAdvance));
            // Yellow edge to edge...
            for (QPoint corner :
                 {cell.topLeft(), cell.topRight(), cell.bottomLeft(), cell.bottomRight()})
                QVERIFY2(IsYellow(image.pixel(corner)),
                         qPrintable(QStringLiteral("row %1").arg(row)));
            // ...with the text, if any, starting at the top-left corner.
            QRect ink;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    if (!IsYellow(image.pixel(x, y))) ink |= QRect(x, y, 1, 1);
            QCOMPARE(ink.isEmpty(), !decoded);
            if (decoded) {
                QVERIFY2(ink.left() - cell.left() <= 2 && ink.top() - cell.top() <= 4,
                         qPrintable(QStringLiteral("row %1: ink at %2,%3")
                                        .arg(row)
                                        .arg(ink.left() - cell.left())
                                        .arg(ink.top() - cell.top())));
            }
        }
        const QRect header = grid->visualRect(f.form->Table().index(0, tcAdvance));
        QVERIFY(!IsYellow(image.pixel(header.center())));
        const QRect otherCell = grid->visualRect(f.form->Table().index(5, tcDec));
        QVERIFY(!IsYellow(image.pixel(otherCell.bottomRight())));
    }

    void tabVisitsTheControlsInOrder() {
        MainWindowFixture f;
        QVERIFY(f.ShowActive());
        const QStringList order = {"Memo1",  "Button1", "StringGrid1", "ComboBox1",
                                   "Chart1", "Memo2",   "Button2",     "Button3"};
        QCOMPARE(FocusedControl(order), QStringLiteral("Memo1"));
        QStringList visited = {FocusedControl(order)};
        for (int i = 1; i < order.size() + 1; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << FocusedControl(order);
        }
        QCOMPARE(visited, order + QStringList{"Memo1"});
    }
};

VORTALIN_UI_TEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
