#pragma once

#include <QString>

#include "core/Outcome.h"

class QWidget;

namespace vortalin {

// Where the window's warnings and error boxes go: real message boxes in the
// program, a recorder in tests.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void warning(const QString& text) = 0;
    // A conversion error; the text is the error's own message.
    virtual void error(const QString& text) = 0;
};

// Modal message boxes over the given window.
class MessageBoxSink final : public MessageSink {
  public:
    explicit MessageBoxSink(QWidget* owner) : owner_(owner) {}
    void warning(const QString& text) override;
    void error(const QString& text) override;

  private:
    QWidget* owner_;
};

// Shows a warning or an error outcome; true when the operation was done.
bool Report(MessageSink& messages, const Outcome& outcome);

}  // namespace vortalin
