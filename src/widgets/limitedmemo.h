#pragma once
#include <QPlainTextEdit>

// A memo that holds at most a given number of characters on one paragraph: Enter
// inserts no line break, and typed or pasted text beyond the limit is dropped (a
// paste keeps what fits, its line breaks turned into blanks).
class LimitedMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit LimitedMemo(int maxLength, QWidget *parent = nullptr);
    int maxLength() const { return m_maxLength; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void enforceLimit();
    int m_maxLength;
    bool m_enforcing = false;
};
