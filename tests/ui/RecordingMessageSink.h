#pragma once

#include <QStringList>

#include "ui/MessageSink.h"

// Keeps the messages the window would have shown, in order.
class RecordingMessageSink final : public vortalin::MessageSink {
  public:
    void warning(const QString& text) override {
        messages->append(QStringLiteral("warning: ") + text);
    }
    void error(const QString& text) override { messages->append(QStringLiteral("error: ") + text); }

    // Shared with the test, which keeps reading it after the window took the sink.
    std::shared_ptr<QStringList> messages = std::make_shared<QStringList>();
};
