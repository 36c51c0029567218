#pragma once

#include <QWidget>
#include <memory>

#include "ui/MessageSink.h"

class QComboBox;
class QLabel;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QLineSeries;
class QScatterSeries;

class TAboutBox;

namespace vortalin {
class AdvanceChartView;
class AdvanceTableModel;
class ChartCurveSink;
class KeyFilterObject;
}  // namespace vortalin

// The main window: input and output boxes, the sensor-angle box, the advance
// table, the advance chart and three buttons. Its handlers gather the texts,
// run the conversion and show what came back.
class TForm1 : public QWidget {
    Q_OBJECT
  public:
    // Without a message sink the window shows real message boxes.
    explicit TForm1(std::unique_ptr<vortalin::MessageSink> messages = nullptr,
                    QWidget* parent = nullptr);
    ~TForm1() override;

    // The about box that Button3 shows; created after this window.
    void SetAboutBox(TAboutBox* aboutBox) { aboutBox_ = aboutBox; }

    vortalin::AdvanceTableModel& Table() { return *table_; }

    QLabel* Label1;
    QPushButton* Button1;
    QComboBox* ComboBox1;
    QPlainTextEdit* Memo1;
    QPushButton* Button2;
    QPlainTextEdit* Memo2;
    QPushButton* Button3;
    QTableView* StringGrid1;
    vortalin::AdvanceChartView* Chart1;
    QLineSeries* Series1;
    QScatterSeries* Series1Markers;  // Series1's circles, drawn as a series of their own

  public Q_SLOTS:
    void Button1Click();
    void Button2Click();
    void Button3Click();

  private:
    void CreateControls();
    void CreateGrid();
    void CreateChart();
    void SetTabOrder();
    void FormCreate();

    QString ComboBox1KeyPress(QChar key) const;
    QString StringGrid1KeyPress(QChar key) const;
    void StringGrid1DrawCell(QPainter* painter, const QRect& rect, const QModelIndex& index) const;

    // Runs a handler's work; an exception never leaves a handler.
    template <typename Work>
    void Guarded(Work&& work);

    std::unique_ptr<vortalin::MessageSink> messages_;
    vortalin::AdvanceTableModel* table_ = nullptr;
    std::unique_ptr<vortalin::ChartCurveSink> curve_;
    vortalin::KeyFilterObject* gridKeys_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
};
