#include "support/scriptedmessages.h"

#include <gtest/gtest.h>

ScriptedMessages::ScriptedMessages() { MessageBox::setResponder(this); }

ScriptedMessages::~ScriptedMessages()
{
    MessageBox::setResponder(nullptr);
    EXPECT_TRUE(m_queue.isEmpty()) << m_queue.size() << " scripted box(es) never shown";
}

ScriptedMessages &ScriptedMessages::answer(int buttonIndex)
{
    m_queue.append(Scripted{buttonIndex, false, MessageBox::Kind::Plain, {}, {}});
    return *this;
}

ScriptedMessages &ScriptedMessages::expect(MessageBox::Kind kind, const QString &text, int buttonIndex)
{
    m_queue.append(Scripted{buttonIndex, true, kind, text, {}});
    return *this;
}

ScriptedMessages &ScriptedMessages::onNext(std::function<void(const MessageBox::Box &)> action)
{
    if (m_queue.isEmpty())
        answer(0);
    m_queue.last().action = std::move(action);
    return *this;
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const auto &box : m_shown)
        out << box.text;
    return out;
}

int ScriptedMessages::answer(const MessageBox::Box &box)
{
    m_shown.append(box);
    if (m_queue.isEmpty()) {
        if (!m_allowUnexpected)
            ADD_FAILURE() << "unexpected box: " << box.caption.toStdString() << " / " << box.text.toStdString();
        return 0;
    }
    const Scripted next = m_queue.takeFirst();
    if (next.checks) {
        EXPECT_EQ(int(next.kind), int(box.kind)) << "box: " << box.text.toStdString();
        EXPECT_EQ(next.text.toStdString(), box.text.toStdString());
    }
    if (next.action)
        next.action(box);
    return next.button;
}
