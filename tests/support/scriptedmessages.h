#pragma once
#include "widgets/messagebox.h"

#include <QList>
#include <functional>

// Stands in for the message boxes while alive: records every box shown and answers
// from a queue. A box with no answer queued is answered with its first button and
// fails the test unless allowUnexpected() was called.
class ScriptedMessages : public MessageBox::Responder
{
public:
    ScriptedMessages();
    ~ScriptedMessages() override;

    // Queue the answer (button index) for the next box; optionally check its text.
    ScriptedMessages &answer(int buttonIndex);
    ScriptedMessages &expect(MessageBox::Kind kind, const QString &text, int buttonIndex = 0);
    // Runs while the box is "open" (for example to check what the window shows).
    ScriptedMessages &onNext(std::function<void(const MessageBox::Box &)> action);

    void allowUnexpected(bool allow = true) { m_allowUnexpected = allow; }

    const QList<MessageBox::Box> &shown() const { return m_shown; }
    int count() const { return int(m_shown.size()); }
    MessageBox::Box last() const { return m_shown.isEmpty() ? MessageBox::Box{} : m_shown.last(); }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

    int answer(const MessageBox::Box &box) override;

private:
    struct Scripted
    {
        int button = 0;
        bool checks = false;
        MessageBox::Kind kind = MessageBox::Kind::Plain;
        QString text;
        std::function<void(const MessageBox::Box &)> action;
    };
    QList<Scripted> m_queue;
    QList<MessageBox::Box> m_shown;
    bool m_allowUnexpected = false;
};
