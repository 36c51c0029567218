#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;

// The about box: picture, name, version and a link to the program's
// discussion thread. Created once, hidden, and shown modally on demand.
class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    using UrlOpener = std::function<void(const QUrl&)>;

    explicit TAboutBox(QWidget* parent = nullptr);

    // How the link's address is opened; the desktop's default program unless
    // replaced.
    void SetUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }

    static QUrl DiscussionUrl();

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* DetailsLabel;
    QLabel* Comments;
    QPushButton* OKButton;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void CommentsMouseDown();
    void CommentsClick();
    void SetCommentsColour(const QColor& colour);

    UrlOpener openUrl_;
};
