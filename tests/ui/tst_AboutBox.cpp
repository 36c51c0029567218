#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "MainWindowFixture.h"
#include "SampleFragment.h"
#include "UiTestMain.h"
#include "ui/Unit2.h"

namespace {

QColor LinkColour(const TAboutBox& box) {
    return box.Comments->palette().color(QPalette::WindowText);
}

// Shows the box as a user would see it and returns once it is up.
bool Showing(TAboutBox& box) {
    box.show();
    QApplication::setActiveWindow(&box);
    return QTest::qWaitForWindowActive(&box);
}

}  // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void boxIsLaidOut() {
        TAboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        QCOMPARE(box.size(), QSize(306, 206));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QVERIFY(!box.isVisible());
        QVERIFY(!box.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!box.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QCOMPARE(box.Panel1->geometry(), QRect(8, 8, 289, 153));
        QCOMPARE(box.Panel1->frameShape(), QFrame::Box);
        QCOMPARE(box.Panel1->frameShadow(), QFrame::Sunken);
        QCOMPARE(box.ProgramIcon->parentWidget(), box.Panel1);
        QCOMPARE(box.ProgramIcon->geometry(), QRect(16, 16, 89, 57));
        QCOMPARE(box.ProductName->pos(), QPoint(120, 16));
        QCOMPARE(box.ProductName->text(), QStringLiteral("Ворталин"));
        QCOMPARE(box.Version->pos(), QPoint(120, 40));
        QCOMPARE(box.Version->text(), QStringLiteral("Версия 0.9"));
        QCOMPARE(box.DetailsLabel->pos(), QPoint(24, 80));
        QCOMPARE(box.DetailsLabel->text(), QStringLiteral("Детали на:"));
        QCOMPARE(box.Comments->geometry(), QRect(16, 96, 241, 26));
        QCOMPARE(box.Comments->text(), TAboutBox::DiscussionUrl().toString());
        QCOMPARE(box.Comments->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(box.OKButton->geometry(), QRect(119, 172, 75, 25));
        QCOMPARE(box.OKButton->text(), QStringLiteral("OK"));
        QVERIFY(box.OKButton->isDefault());
    }

    void pictureIsAJpegStretchedToItsPlace() {
        QImageReader reader(QStringLiteral(":/vortalin/about.jpg"));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        TAboutBox box;
        QVERIFY(!box.ProgramIcon->pixmap().isNull());
        QVERIFY(box.ProgramIcon->hasScaledContents());
    }

    // The address does not fit one line of the label but fits two.
    void linkWrapsOverTwoLines() {
        TAboutBox box;
        const QFontMetrics metrics(box.Comments->font());
        QVERIFY(metrics.horizontalAdvance(box.Comments->text()) > box.Comments->width());
        QVERIFY(box.Comments->wordWrap());
        QVERIFY(box.Comments->heightForWidth(box.Comments->width()) <= 2 * metrics.lineSpacing());
    }

    void linkTurnsRedOnPressAndStaysRed() {
        TAboutBox box;
        QList<QColor> colourWhenOpened;
        box.SetUrlOpener([&](const QUrl&) { colourWhenOpened << LinkColour(box); });
        QVERIFY(Showing(box));
        QCOMPARE(LinkColour(box), QColor(Qt::blue));
        QTest::mousePress(box.Comments, Qt::RightButton);
        QCOMPARE(LinkColour(box), QColor(Qt::red));
        box.hide();
        QVERIFY(Showing(box));
        QCOMPARE(LinkColour(box), QColor(Qt::red));
        QVERIFY(colourWhenOpened.isEmpty());  // a press alone opens nothing
    }

    void clickOpensTheAddressThroughTheSeam() {
        TAboutBox box;
        QList<QUrl> opened;
        QColor colourWhenOpened;
        box.SetUrlOpener([&](const QUrl& url) {
            opened << url;
            colourWhenOpened = LinkColour(box);
        });
        QVERIFY(Showing(box));
        QTest::mouseClick(box.Comments, Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>{TAboutBox::DiscussionUrl()});
        QVERIFY(TAboutBox::DiscussionUrl().isValid());
        QCOMPARE(colourWhenOpened, QColor(Qt::red));
    }

    void enterClosesTheBox() {
        TAboutBox box;
        QVERIFY(Showing(box));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void mainWindowIsUnchangedAfterTheBoxCloses() {
        MainWindowFixture f;
        TAboutBox box;
        box.SetUrlOpener([](const QUrl&) {});
        f.form->SetAboutBox(&box);
        QVERIFY(f.ShowActive());
        f.Decode(QString::fromLatin1(kSampleFragment));
        f.form->Memo2->setPlainText(QStringLiteral("output"));
        const auto table = f.form->Table().Table();
        const auto points = f.Markers()->points();

        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            wasModal = QApplication::activeModalWidget() == &box;
            QTest::mouseClick(box.Comments, Qt::LeftButton);
            QTest::mouseClick(box.OKButton, Qt::LeftButton);
        });
        QTest::mouseClick(f.form->Button3, Qt::LeftButton);  // returns when the box closes
        QVERIFY(wasModal);
        QVERIFY(!box.isVisible());
        QVERIFY(f.form->Table().Table() == table);
        QCOMPARE(f.Markers()->points(), points);
        QCOMPARE(f.form->Memo1->toPlainText(), QString::fromLatin1(kSampleFragment));
        QCOMPARE(f.form->Memo2->toPlainText(), QStringLiteral("output"));
        QVERIFY(f.messages->isEmpty());
    }
};

VORTALIN_UI_TEST_MAIN(TestAboutBox)
#include "tst_AboutBox.moc"
