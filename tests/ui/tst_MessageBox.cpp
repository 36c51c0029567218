#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "UiTestMain.h"
#include "ui/MessageSink.h"

using namespace vortalin;

namespace {

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Reads the modal box once it is up, then presses its only button.
void AnswerNextBox(SeenBox& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return AnswerNextBox(seen);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
        QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
    });
}

}  // namespace

class TestMessageBox : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void realBoxShowsAndCloses_data() {
        QTest::addColumn<bool>("isError");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::newRow("warning") << false << "Введите данные!"
                                 << "Warning"
                                 << "Введите данные!" << int(QMessageBox::Warning);
        QTest::newRow("conversion error")
            << true << "'' is not a valid integer value"
            << "Ворталин"
            << "'' is not a valid integer value." << int(QMessageBox::Critical);
    }
    void realBoxShowsAndCloses() {
        QFETCH(bool, isError);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, icon);
        QWidget owner;
        owner.show();
        MessageBoxSink sink(&owner);
        SeenBox seen;
        AnswerNextBox(seen);
        isError ? sink.error(message) : sink.warning(message);  // returns once answered
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, text);
        QCOMPARE(int(seen.icon), icon);
        QCOMPARE(seen.buttons, QStringList{"OK"});
        QVERIFY(!QApplication::activeModalWidget());
    }
};

VORTALIN_UI_TEST_MAIN(TestMessageBox)
#include "tst_MessageBox.moc"
