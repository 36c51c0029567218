#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QKeyEvent;

namespace vortalin {

// What a typed character becomes: the text to type instead, or nothing when
// the character is discarded.
using KeyFilter = std::function<QString(QChar typed)>;

// The sensor-angle box takes backspace and digits, so angles run 0..99.
QString SensorAngleKey(QChar typed);

// Grid cells take backspace, "-", digits and a decimal separator. A typed "."
// or "," becomes the locale's separator, so a fraction can be typed either way
// and still converts wherever the program runs.
QString GridKey(QChar typed, const QString& decimalSeparator);

// Whether a key event types a character into the text, as opposed to moving
// the focus (Tab), cancelling (Escape), deleting forward, navigating or a
// shortcut.
bool TypesCharacter(const QKeyEvent& event);

// Runs every character typed into the watched widgets through a key filter:
// a discarded character never arrives, a replaced one arrives as its
// replacement. Installing it twice on one path is harmless, because what a
// filter lets through passes it again unchanged.
class KeyFilterObject : public QObject {
    Q_OBJECT
  public:
    KeyFilterObject(KeyFilter filter, QObject* parent);

    // For the delegate, which sees an editor's keys before any event filter.
    bool Filter(QObject* watched, QKeyEvent& event);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    KeyFilter filter_;
};

}  // namespace vortalin
