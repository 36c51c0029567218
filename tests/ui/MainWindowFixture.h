#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTableView>
#include <QTest>
#include <memory>

#include "RecordingMessageSink.h"
#include "ui/AdvanceTableModel.h"
#include "ui/Unit1.h"

// A main window whose messages are recorded instead of shown.
struct MainWindowFixture {
    std::shared_ptr<QStringList> messages;
    std::unique_ptr<TForm1> form;

    MainWindowFixture() {
        auto sink = std::make_unique<RecordingMessageSink>();
        messages = sink->messages;
        form = std::make_unique<TForm1>(std::move(sink));
    }

    // Shown and active, so that focus and key events behave as for a user.
    bool ShowActive() {
        form->show();
        QApplication::setActiveWindow(form.get());
        return QTest::qWaitForWindowActive(form.get());
    }

    QScatterSeries* Markers() const { return form->Series1Markers; }

    QString Cell(int row, int column) const {
        return form->Table().index(row, column).data().toString();
    }

    void Decode(const QString& fragment) {
        form->Memo1->setPlainText(fragment);
        QTest::mouseClick(form->Button1, Qt::LeftButton);
    }

    // Opens the cell's editor as a click would and types into it; Tab then
    // leaves the grid, which commits the text.
    void TypeIntoCell(int row, int column, const QString& keys, bool commit = true) {
        form->StringGrid1->setFocus();
        form->StringGrid1->setCurrentIndex(form->Table().index(row, column));
        QWidget* editor = QApplication::focusWidget();
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);  // select the old text
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, keys);
        if (commit) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
};
