#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include "UiTestMain.h"
#include "ui/AdvanceTableModel.h"

using namespace vortalin;

class TestAdvanceTableModel : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void passesTheModelTester() {
        AdvanceTableModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(model.setData(model.index(5, tcAdvance), QStringLiteral("12,3")));
        model.Change([](TAdvanceTable& table) { table.SetCell(tcWord, 0, "таб.1"); });
    }

    void showsTableCellsByRowAndColumn() {
        AdvanceTableModel model;
        QCOMPARE(model.rowCount(), kRowCount);
        QCOMPARE(model.columnCount(), kColumnCount);
        QCOMPARE(model.index(0, tcAdvance).data().toString(), QStringLiteral("УОЗ"));
        QCOMPARE(model.index(1, tcRpm).data().toString(), QStringLiteral("500"));
        QCOMPARE(model.index(32, tcRpm).data().toString(), QStringLiteral("19500"));
        QCOMPARE(model.index(1, tcAdvance).data(Qt::EditRole).toString(), QString());
    }

    void onlyDataCellsAreEditable_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("editable");
        QTest::newRow("header row") << 0 << int(tcAdvance) << false;
        QTest::newRow("speed label") << 7 << int(tcRpm) << false;
        QTest::newRow("corner") << 0 << int(tcRpm) << false;
        QTest::newRow("word") << 1 << int(tcWord) << true;
        QTest::newRow("angle, last row") << 32 << int(tcAdvance) << true;
    }
    void onlyDataCellsAreEditable() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, editable);
        AdvanceTableModel model;
        const QModelIndex index = model.index(row, column);
        const QString before = index.data().toString();
        QCOMPARE(model.flags(index).testFlag(Qt::ItemIsEditable), editable);
        QCOMPARE(model.setData(index, QStringLiteral("7")), editable);
        QCOMPARE(model.Table().Cell(column, row),
                 editable ? std::string("7") : before.toStdString());
    }

    // An operation that stops by throwing has still changed the cells it wrote.
    void changeTellsTheViewsAlsoWhenTheOperationThrows() {
        AdvanceTableModel model;
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, model.Change([](TAdvanceTable& table) {
            table.SetCell(tcDec, 3, "42");
            throw std::runtime_error("stop");
        }));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.index(3, tcDec).data().toString(), QStringLiteral("42"));
        QCOMPARE(changed.first().at(0).toModelIndex(), model.index(0, 0));
        QCOMPARE(changed.first().at(1).toModelIndex(),
                 model.index(kRowCount - 1, kColumnCount - 1));
    }
};

VORTALIN_UI_TEST_MAIN(TestAdvanceTableModel)
#include "tst_AdvanceTableModel.moc"
