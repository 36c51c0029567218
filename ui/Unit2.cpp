#include "ui/Unit2.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "ui/WindowFont.h"

// The resources live in a static library, so they are registered by hand
// (outside any namespace, as the registration function is global).
static void InitResources() {
    Q_INIT_RESOURCE(vortalin);
}

namespace {

QLabel* NewLabel(const QString& text, const QString& name, QWidget* parent, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    InitResources();
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setFont(vortalin::WindowFont());
    setFixedSize(306, 206);
    setModal(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 289, 153);
    // A lowered outer bevel around a raised inner one.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setLineWidth(1);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(16, 16, 89, 57);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/vortalin/about.jpg"), "JPG"));

    ProductName =
        NewLabel(QStringLiteral("Ворталин"), QStringLiteral("ProductName"), Panel1, 120, 16);
    Version = NewLabel(QStringLiteral("Версия 0.9"), QStringLiteral("Version"), Panel1, 120, 40);
    DetailsLabel =
        NewLabel(QStringLiteral("Детали на:"), QStringLiteral("DetailsLabel"), Panel1, 24, 80);

    Comments = new QLabel(DiscussionUrl().toString(), Panel1);
    Comments->setObjectName(QStringLiteral("Comments"));
    Comments->setGeometry(16, 96, 241, 26);
    Comments->setWordWrap(true);
    Comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Comments->setCursor(Qt::PointingHandCursor);
    Comments->installEventFilter(this);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(119, 172, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    FormCreate();
}

QUrl TAboutBox::DiscussionUrl() {
    return QUrl(QStringLiteral(VORTALIN_DISCUSSION_URL));
}

void TAboutBox::FormCreate() {
    SetCommentsColour(Qt::blue);
}

void TAboutBox::CommentsMouseDown() {
    SetCommentsColour(Qt::red);
}

void TAboutBox::CommentsClick() {
    openUrl_(DiscussionUrl());
}

void TAboutBox::SetCommentsColour(const QColor& colour) {
    QPalette palette = Comments->palette();
    palette.setColor(QPalette::WindowText, colour);
    Comments->setPalette(palette);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Comments) {
        if (event->type() == QEvent::MouseButtonPress) {
            CommentsMouseDown();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            // A click is a press and a release on the label itself.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (Comments->rect().contains(mouse->position().toPoint())) CommentsClick();
        }
    }
    return QDialog::eventFilter(watched, event);
}
