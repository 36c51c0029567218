#include "ui/Unit1.h"

#include <QChart>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableView>
#include <QValueAxis>
#include <exception>

#include "core/Decoder.h"
#include "core/Encoder.h"
#include "ui/AdvanceChartView.h"
#include "ui/AdvanceTableModel.h"
#include "ui/ChartCurveSink.h"
#include "ui/GridDelegate.h"
#include "ui/KeyFilters.h"
#include "ui/LineBreaks.h"
#include "ui/MessageSink.h"
#include "ui/Unit2.h"
#include "ui/WindowFont.h"

using namespace vortalin;

namespace {

constexpr int kGridLine = 1;  // a grid line takes one pixel of its cell's section
constexpr int kDefaultColWidth = 32;
constexpr int kDefaultRowHeight = 14;

std::string DecimalSeparator() {
    return QLocale().decimalPoint().toStdString();
}

}  // namespace

TForm1::TForm1(std::unique_ptr<MessageSink> messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      messages_(messages ? std::move(messages) : std::make_unique<MessageBoxSink>(this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ворталин  v0.9"));
    setFont(WindowFont());
    setFixedSize(865, 536);
    move(231, 189);
    CreateControls();
    CreateGrid();
    CreateChart();
    SetTabOrder();
    FormCreate();
    Memo1->setFocus();
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
    Label1 = new QLabel(QStringLiteral("Угол датчика"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(112, 8, 68, 13);
    // Sized to its caption, as the font here may be a little wider.
    Label1->resize(Label1->sizeHint().expandedTo(Label1->size()));

    Button1 = new QPushButton(QStringLiteral("Рассчитать"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(16, 24, 75, 25);
    Button1->setToolTip(QStringLiteral("HEX в таблицу"));
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(120, 24, 49, 21);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->lineEdit()->setMaxLength(2);
    // Keys reach the line edit through the box; both carry the filter.
    auto* comboKeys =
        new KeyFilterObject([this](QChar key) { return ComboBox1KeyPress(key); }, this);
    ComboBox1->installEventFilter(comboKeys);
    ComboBox1->lineEdit()->installEventFilter(comboKeys);

    for (auto* memo : {&Memo1, &Memo2}) {
        *memo = new QPlainTextEdit(this);
        (*memo)->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        (*memo)->setTabChangesFocus(true);
    }
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(16, 64, 177, 153);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(16, 280, 177, 153);

    Button2 = new QPushButton(QStringLiteral("По таблице"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(16, 240, 75, 25);
    Button2->setToolTip(QStringLiteral("таблица в HEX"));
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);

    Button3 = new QPushButton(QStringLiteral("О программе"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(16, 448, 177, 65);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
}

void TForm1::CreateGrid() {
    table_ = new AdvanceTableModel(this);
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(224, 8, 185, 505);
    StringGrid1->setModel(table_);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    for (QHeaderView* header : {StringGrid1->horizontalHeader(), StringGrid1->verticalHeader()})
        header->setMinimumSectionSize(1);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(kDefaultColWidth + kGridLine);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kDefaultRowHeight + kGridLine);
    StringGrid1->setShowGrid(true);
    StringGrid1->setWordWrap(false);
    StringGrid1->setTextElideMode(Qt::ElideNone);
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    // The cell editor is always shown: it opens on the current cell.
    StringGrid1->setEditTriggers(QAbstractItemView::CurrentChanged |
                                 QAbstractItemView::AnyKeyPressed |
                                 QAbstractItemView::DoubleClicked);
    // Tab leaves the grid for the next control instead of moving to the next cell.
    StringGrid1->setTabKeyNavigation(false);

    gridKeys_ = new KeyFilterObject([this](QChar key) { return StringGrid1KeyPress(key); }, this);
    StringGrid1->installEventFilter(gridKeys_);
    StringGrid1->setItemDelegate(new GridDelegate(
        gridKeys_,
        [this](QPainter* painter, const QRect& rect, const QModelIndex& index) {
            StringGrid1DrawCell(painter, rect, index);
        },
        StringGrid1));
}

void TForm1::CreateChart() {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("График УОЗ"));
    chart->legend()->hide();
    chart->setPlotAreaBackgroundVisible(false);

    Series1 = new QLineSeries(chart);
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setColor(Qt::red);
    Series1->setPointLabelsVisible(false);
    Series1Markers = new QScatterSeries(chart);
    Series1Markers->setObjectName(QStringLiteral("Series1Markers"));
    Series1Markers->setColor(Qt::red);
    Series1Markers->setBorderColor(Qt::red);
    chart->addSeries(Series1);
    chart->addSeries(Series1Markers);

    auto* axisX = new QValueAxis(chart);
    auto* axisY = new QValueAxis(chart);
    for (QValueAxis* axis : {axisX, axisY}) axis->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{Series1, Series1Markers}) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    curve_ = std::make_unique<ChartCurveSink>(Series1, Series1Markers, axisX, axisY);

    Chart1 = new AdvanceChartView(chart, this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setGeometry(416, 8, 441, 505);
    Chart1->setRenderHint(QPainter::Antialiasing);
    Chart1->setFocusPolicy(Qt::StrongFocus);
    connect(Chart1, &AdvanceChartView::fullViewRequested, this, [this] { curve_->FitAxes(); });
}

void TForm1::SetTabOrder() {
    const QList<QWidget*> order = {Memo1,  Button1, StringGrid1, ComboBox1,
                                   Chart1, Memo2,   Button2,     Button3};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void TForm1::FormCreate() {
    Memo1->clear();
    Memo2->clear();
    StringGrid1->setColumnWidth(0, 45 + kGridLine);
    StringGrid1->setRowHeight(0, 16 + kGridLine);
    table_->Change([](TAdvanceTable& table) { table.Reset(); });
    ComboBox1->addItems({QStringLiteral("40"), QStringLiteral("35"), QStringLiteral("30"),
                         QStringLiteral("25"), QStringLiteral("20"), QStringLiteral("15")});
    ComboBox1->setCurrentText(QStringLiteral("20"));
    // The cursor starts on the first cell that is not fixed.
    StringGrid1->setCurrentIndex(table_->index(1, 1));
}

template <typename Work>
void TForm1::Guarded(Work&& work) {
    try {
        work();
    } catch (const std::exception& error) {
        messages_->error(QString::fromUtf8(error.what()));
    } catch (...) {
        messages_->error(QStringLiteral("Unexpected error"));
    }
}

void TForm1::Button1Click() {
    Guarded([this] {
        const std::string fragment = ToFragmentText(Memo1->toPlainText());
        const std::string sensorAngle = ComboBox1->currentText().toStdString();
        Outcome outcome;
        table_->Change([&](TAdvanceTable& table) {
            const ChartCurveSink::Batch batch(*curve_);
            outcome = DecodeFragment(table, fragment, sensorAngle, DecimalSeparator(), *curve_);
        });
        Report(*messages_, outcome);
    });
}

void TForm1::Button2Click() {
    Guarded([this] {
        const std::string fragment = ToFragmentText(Memo1->toPlainText());
        const std::string sensorAngle = ComboBox1->currentText().toStdString();
        EncodeResult result;
        table_->Change([&](TAdvanceTable& table) {
            const ChartCurveSink::Batch batch(*curve_);
            result = EncodeFragment(table, sensorAngle, fragment, DecimalSeparator(), *curve_);
        });
        if (Report(*messages_, result.outcome)) Memo2->setPlainText(ToBoxText(result.fragment));
    });
}

void TForm1::Button3Click() {
    Guarded([this] {
        if (aboutBox_) aboutBox_->exec();
    });
}

QString TForm1::ComboBox1KeyPress(QChar key) const {
    return SensorAngleKey(key);
}

QString TForm1::StringGrid1KeyPress(QChar key) const {
    return GridKey(key, QLocale().decimalPoint());
}

void TForm1::StringGrid1DrawCell(QPainter* painter, const QRect& rect,
                                 const QModelIndex& index) const {
    if (index.column() != tcAdvance || index.row() < 1) return;
    painter->save();
    painter->fillRect(rect, Qt::yellow);
    painter->setPen(palette().color(QPalette::Text));
    painter->drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data().toString());
    painter->restore();
}
