#include "widgets/limitedmemo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

LimitedMemo::LimitedMemo(int maxLength, QWidget *parent) : QPlainTextEdit(parent), m_maxLength(maxLength)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedMemo::enforceLimit);
}

void LimitedMemo::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    const int room = m_maxLength - int(toPlainText().size()) + int(textCursor().selectedText().size());
    if (printable && int(text.size()) > room) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedMemo::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    QTextCursor cursor = textCursor();
    const int room = m_maxLength - int(toPlainText().size()) + int(cursor.selectedText().size());
    cursor.insertText(text.left(std::max(0, room)));
}

void LimitedMemo::enforceLimit()
{
    // Whatever way text came in, the memo never holds more than the limit nor a break.
    if (m_enforcing)
        return;
    const QString text = toPlainText();
    if (text.size() <= m_maxLength && !text.contains(QLatin1Char('\n')))
        return;
    // The receivers connected after this one see the corrected text.
    QString kept = text;
    kept.replace(QLatin1Char('\n'), QLatin1Char(' '));
    kept.truncate(m_maxLength);
    m_enforcing = true;
    {
        const QSignalBlocker blocker(this);
        setPlainText(kept);
        moveCursor(QTextCursor::End);
    }
    m_enforcing = false;
}
