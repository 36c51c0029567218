// A monkey on the main window: thousands of random key presses, typed texts,
// pastes and clicks on every control, offscreen, with the invariants checked
// after every step. Seeded; VORTALIN_MONKEY_SEED=<n> replays a run and
// VORTALIN_MONKEY_STEPS=<n> sets its length.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <deque>
#include <random>

#include "MonkeyText.h"
#include "core/AdvanceConversion.h"
#include "core/Utf8.h"
#include "ui/AdvanceChartView.h"
#include "ui/AdvanceTableModel.h"
#include "ui/MessageSink.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

namespace {

class RecordingSink final : public vortalin::MessageSink {
  public:
    void warning(const QString& text) override { messages->append(text); }
    void error(const QString& text) override { messages->append(text); }
    std::shared_ptr<QStringList> messages = std::make_shared<QStringList>();
};

// What the window may say: the three warnings, a byte out of range, and the
// two conversion errors. Anything else (an escaped exception) is a fault.
bool IsKnownMessage(const QString& text) {
    static const QRegularExpression known(
        QStringLiteral("^(Введите данные!|Данные не определены|Не найдено начало таблицы \\(E0B\\)"
                       "|УОЗ .* при \\d+ об/мин вне диапазона от -?[\\d.,]+ до -?\\d+"
                       "|'.*' is not a valid (integer|floating point) value)$"),
        QRegularExpression::DotMatchesEverythingOption);
    return known.match(text).hasMatch();
}

// The fragment as the core sees a box's text: every line break is CR LF.
std::string FragmentOf(const QString& boxText) {
    QString text = boxText;
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

// Memo1's text up to the end of the two table-address words, as bytes of the
// fragment; empty when it holds no routine.
std::string AddressPrefix(const std::string& fragment) {
    const auto marker = fragment.find("E0B");
    if (marker == std::string::npos) return {};
    std::size_t end = marker;
    for (const std::string_view character : vortalin::Characters(fragment.substr(marker), 8)) {
        end += character.size();
    }
    return fragment.substr(0, end);
}

// QTest::keyClicks takes Latin-1 only; other characters arrive as a key
// event carrying their text, as from a Cyrillic keyboard layout.
void TypeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(widget, character.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        }
    }
}

std::uint32_t SeedFromEnvironment() {
    bool given = false;
    const auto seed = qEnvironmentVariableIntValue("VORTALIN_MONKEY_SEED", &given);
    return given ? static_cast<std::uint32_t>(seed) : std::random_device{}();
}

}  // namespace

class MainWindowMonkey : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        auto sink = std::make_unique<RecordingSink>();
        messages_ = sink->messages;
        form_ = std::make_unique<TForm1>(std::move(sink));
        about_ = std::make_unique<TAboutBox>(form_.get());
        form_->SetAboutBox(about_.get());
        about_->installEventFilter(this);
        form_->show();
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        // Runs after Button2Click, which was connected first.
        connect(form_->Button2, &QPushButton::clicked, this, &MainWindowMonkey::AfterEncode);
    }

    void cleanup() {
        about_.reset();
        form_.reset();
    }

    void randomActions() {
        const std::uint32_t seed = SeedFromEnvironment();
        const int steps = qEnvironmentVariableIsSet("VORTALIN_MONKEY_STEPS")
                              ? qEnvironmentVariableIntValue("VORTALIN_MONKEY_STEPS")
                              : 3000;
        qInfo("monkey seed %u (replay: VORTALIN_MONKEY_SEED=%u), %d steps", seed, seed, steps);
        random_.seed(seed);
        for (int step = 0; step < steps; ++step) {
            Step();
            if (QTest::currentTestFailed()) {
                qWarning("failed at step %d of seed %u; the last actions:", step, seed);
                for (const QString& action : recent_) qWarning("  %s", qPrintable(action));
                return;
            }
        }
        qInfo("%d encodes done, %d about boxes answered, %lld messages", encodesDone_,
              aboutBoxesAnswered_, static_cast<long long>(messages_->size()));
        // A run that never encodes would prove nothing about the output box.
        QVERIFY(encodesDone_ > 0);
    }

    // 10 MB of hex dump, then the routine: pasted, decoded and encoded whole.
    void hugePaste() {
        std::mt19937 random(1);
        QString dump;
        dump.reserve(10'100'000);
        while (dump.size() < 10'000'000) {
            dump += QStringLiteral(":10");
            for (int i = 0; i < 32; ++i) dump += QChar("0123456789ACDF"[random() % 14]);
            dump += QChar('\n');
        }
        const QString routine = monkey::Routine(random);
        QApplication::clipboard()->setText(dump + routine);
        form_->Memo1->setFocus();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(form_->Memo1, Qt::Key_V, Qt::ControlModifier);
        const qint64 pasteMs = timer.restart();
        QCOMPARE(form_->Memo1->toPlainText().size(), dump.size() + routine.size());

        QTest::mouseClick(form_->Button1, Qt::LeftButton);
        QApplication::processEvents();
        const qint64 decodeMs = timer.restart();
        QVERIFY2(messages_->isEmpty(), qPrintable(messages_->join('\n')));
        vortalin::TAdvanceTable expected;
        CountingSink sink;
        QVERIFY(
            vortalin::DecodeFragment(expected, routine.toStdString(), "20", ",", sink).IsDone());
        for (int row = 1; row <= vortalin::kEntryCount; ++row) {
            QCOMPARE(Cell(row, vortalin::tcDec).toStdString(), expected.Cell(vortalin::tcDec, row));
        }
        QCOMPARE(form_->Series1Markers->count(), vortalin::kCurvePointCount);

        form_->Table().setData(form_->Table().index(3, vortalin::tcAdvance),
                               Cell(3, vortalin::tcAdvance) == "20" ? "18,6" : "20");
        timer.restart();
        QTest::mouseClick(form_->Button2, Qt::LeftButton);
        QApplication::processEvents();
        const qint64 encodeMs = timer.elapsed();
        QVERIFY2(messages_->isEmpty(), qPrintable(messages_->join('\n')));
        const QString output = form_->Memo2->toPlainText();
        QVERIFY(output.startsWith(dump + routine.left(8)));
        QCOMPARE(output.size(), dump.size() + 268);
        // Read back, the output holds the counts the table shows, the edit included.
        vortalin::TAdvanceTable reread;
        QVERIFY(vortalin::DecodeFragment(reread, FragmentOf(output), "20", ",", sink).IsDone());
        for (int row = 1; row <= vortalin::kEntryCount; ++row) {
            QCOMPARE(reread.Cell(vortalin::tcDec, row), Cell(row, vortalin::tcDec).toStdString());
        }
        qInfo("10 MB listing: paste %lld ms, decode click %lld ms, encode click %lld ms", pasteMs,
              decodeMs, encodeMs);
    }

  protected:
    // Answers the modal about box as a user would, once it shows.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == about_.get() && event->type() == QEvent::Show) {
            const auto key = random_() % 2 ? Qt::Key_Return : Qt::Key_Escape;
            QTimer::singleShot(0, about_.get(), [this, key] {
                QTest::keyClick(about_.get(), key);
                ++aboutBoxesAnswered_;
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    class CountingSink : public vortalin::CurveSink {
      public:
        void Clear() override {}
        void Append(const vortalin::TCurvePoint&) override {}
    };

    QString Cell(int row, int column) const {
        return form_->Table().index(row, column).data().toString();
    }

    template <typename Container>
    auto& Pick(const Container& items) {
        return items[random_() % std::size(items)];
    }

    QWidget* Focused() const {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget : form_.get();
    }

    void Note(const QString& action) {
        recent_.push_back(action);
        if (recent_.size() > 12) recent_.pop_front();
    }

    void Step() {
        const QString memo1Before = form_->Memo1->toPlainText();
        messagesBeforeStep_ = messages_->size();
        const bool byMonkeyInMemo1 = Act();
        QApplication::processEvents();
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        CheckInvariants(memo1Before, byMonkeyInMemo1);
    }

    // One random action; true when it typed or pasted into Memo1.
    bool Act() {
        QWidget* focused = Focused();
        const bool intoMemo1 = focused == form_->Memo1;
        switch (random_() % 10) {
            case 0:
            case 1: {  // a key, plain or with a modifier
                static const Qt::Key keys[] = {
                    Qt::Key_0,      Qt::Key_5,         Qt::Key_9,      Qt::Key_A,
                    Qt::Key_E,      Qt::Key_Period,    Qt::Key_Comma,  Qt::Key_Minus,
                    Qt::Key_Return, Qt::Key_Enter,     Qt::Key_Tab,    Qt::Key_Backtab,
                    Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Space,
                    Qt::Key_Up,     Qt::Key_Down,      Qt::Key_Left,   Qt::Key_Right,
                    Qt::Key_Home,   Qt::Key_End,       Qt::Key_PageUp, Qt::Key_F2};
                static const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::NoModifier,
                                                                  Qt::NoModifier, Qt::ShiftModifier,
                                                                  Qt::ControlModifier};
                const Qt::Key key = Pick(keys);
                const Qt::KeyboardModifiers modifier = Pick(modifiers);
                Note(QStringLiteral("key %1 mod %2 to %3")
                         .arg(key, 0, 16)
                         .arg(modifier.toInt())
                         .arg(focused->objectName() + "/" + focused->metaObject()->className()));
                QTest::keyClick(focused, key, modifier);
                return intoMemo1;
            }
            case 2: {  // an editing shortcut: select all, cut, copy, paste, undo, redo
                static const Qt::Key keys[] = {Qt::Key_A, Qt::Key_X, Qt::Key_C,
                                               Qt::Key_V, Qt::Key_Z, Qt::Key_Y};
                const Qt::Key key = Pick(keys);
                Note(QStringLiteral("ctrl+%1 to %2").arg(QChar(key)).arg(focused->objectName()));
                QTest::keyClick(focused, key, Qt::ControlModifier);
                return intoMemo1;
            }
            case 3: {  // typed text
                const QString text = monkey::TypedText(random_);
                Note(QStringLiteral("type '%1' to %2").arg(text, focused->objectName()));
                if (intoMemo1) {
                    TypeIntoMemo1(text);
                    return true;
                }
                TypeText(focused, text);
                return false;
            }
            case 4: {  // a paste into Memo1, through the clipboard or at the cursor
                const QString text = monkey::Listing(random_);
                const bool clipboard = random_() % 2;
                Note(QStringLiteral("paste into Memo1 (%1) '%2'")
                         .arg(clipboard ? "clipboard" : "insert", text));
                form_->Memo1->setFocus();
                if (random_() % 3 == 0) form_->Memo1->selectAll();
                if (clipboard) {
                    QApplication::clipboard()->setText(text);
                    QTest::keyClick(form_->Memo1, Qt::Key_V, Qt::ControlModifier);
                } else {
                    form_->Memo1->insertPlainText(text);
                }
                return true;
            }
            case 5:
            case 6: {  // the buttons, decode and encode most of all
                QPushButton* buttons[] = {form_->Button1, form_->Button1, form_->Button2,
                                          form_->Button2, form_->Button3};
                QPushButton* button = Pick(buttons);
                Note(QStringLiteral("click %1").arg(button->objectName()));
                QTest::mouseClick(button, Qt::LeftButton);
                return false;
            }
            case 7: {  // a grid cell, then maybe an angle typed into its editor
                QTableView* grid = form_->StringGrid1;
                const QModelIndex index =
                    form_->Table().index(static_cast<int>(random_() % vortalin::kRowCount),
                                         static_cast<int>(random_() % vortalin::kColumnCount));
                grid->scrollTo(index);
                Note(QStringLiteral("click cell %1,%2").arg(index.row()).arg(index.column()));
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                  grid->visualRect(index).center());
                if (random_() % 2) TypeText(Focused(), monkey::TypedText(random_));
                return false;
            }
            case 8: {  // the sensor-angle box: its list, or typing
                Note(QStringLiteral("sensor box"));
                QTest::mouseClick(form_->ComboBox1, Qt::LeftButton);
                if (QWidget* popup = QApplication::activePopupWidget()) {
                    for (unsigned i = random_() % 7; i > 0; --i)
                        QTest::keyClick(popup, Qt::Key_Down);
                    QTest::keyClick(popup, Qt::Key_Return);
                }
                return false;
            }
            default: {  // a drag on the chart: zoom, restore or scroll; or a click on a box
                QWidget* viewport = form_->Chart1->viewport();
                const QPoint from(random_() % viewport->width(), random_() % viewport->height());
                const QPoint to(random_() % viewport->width(), random_() % viewport->height());
                const Qt::MouseButton button = random_() % 2 ? Qt::LeftButton : Qt::RightButton;
                Note(QStringLiteral("drag on chart"));
                QTest::mousePress(viewport, button, {}, from);
                QTest::mouseMove(viewport, (from + to) / 2);
                QTest::mouseMove(viewport, to);
                QTest::mouseRelease(viewport, button, {}, to);
                QPlainTextEdit* memo = random_() % 2 ? form_->Memo1 : form_->Memo2;
                QTest::mouseClick(memo->viewport(), Qt::LeftButton, {},
                                  QPoint(random_() % memo->width(), random_() % memo->height()));
                return false;
            }
        }
    }

    // Typing into Memo1 replaces the selection with exactly the typed text.
    void TypeIntoMemo1(const QString& text) {
        const QTextCursor cursor = form_->Memo1->textCursor();
        QString expected = form_->Memo1->toPlainText();
        expected.replace(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart(),
                         text);
        TypeText(form_->Memo1, text);
        QCOMPARE(form_->Memo1->toPlainText(), expected);
    }

    void CheckInvariants(const QString& memo1Before, bool byMonkeyInMemo1) {
        if (!byMonkeyInMemo1) {
            QVERIFY2(form_->Memo1->toPlainText() == memo1Before, "the program changed Memo1");
        }
        QVERIFY(form_->Series1Markers->count() <= vortalin::kCurvePointCount);
        QVERIFY(form_->Series1->count() <= 2 * vortalin::kCurvePointCount - 1);
        QVERIFY(form_->Series1->count() ==
                std::max<qsizetype>(0, 2 * form_->Series1Markers->count() - 1));
        for (qsizetype i = messagesBeforeStep_; i < messages_->size(); ++i) {
            QVERIFY2(IsKnownMessage(messages_->at(i)), qPrintable(messages_->at(i)));
        }
        // The fixed row and column are not the user's to edit.
        static const char* headers[] = {"об/мин", nullptr, "HEX", "DEC", "УОЗ"};
        for (int column = 0; column < vortalin::kColumnCount; ++column) {
            if (headers[column]) QCOMPARE(Cell(0, column), QString::fromUtf8(headers[column]));
        }
        for (int row = 1; row <= vortalin::kEntryCount; ++row) {
            QCOMPARE(Cell(row, vortalin::tcRpm).toStdString(), vortalin::RpmAxis[row - 1]);
        }
    }

    // After every successful encode Memo2 begins with Memo1 up to the end of
    // the address words, byte for byte, and then holds a whole routine.
    void AfterEncode() {
        if (messages_->size() != messagesBeforeStep_) return;  // stopped with a message
        ++encodesDone_;
        const std::string input = FragmentOf(form_->Memo1->toPlainText());
        const std::string output = FragmentOf(form_->Memo2->toPlainText());
        const std::string prefix = AddressPrefix(input);
        QVERIFY2(!prefix.empty(), "an encode succeeded without a routine in Memo1");
        QVERIFY2(output.starts_with(prefix), output.c_str());
        QVERIFY2(output.ends_with("930C9508"), output.c_str());
    }

    std::unique_ptr<TForm1> form_;
    std::unique_ptr<TAboutBox> about_;
    std::shared_ptr<QStringList> messages_;
    std::mt19937 random_;
    std::deque<QString> recent_;
    qsizetype messagesBeforeStep_ = 0;
    int encodesDone_ = 0;
    int aboutBoxesAnswered_ = 0;
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ворталин"));
    MainWindowMonkey test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowMonkey.moc"
