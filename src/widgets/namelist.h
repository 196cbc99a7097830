#pragma once
#include <QElapsedTimer>
#include <QListWidget>

// A list of names (pupils, teachers, classes). Typing the first letters of a name
// while the list has the focus makes the first name that begins with them current,
// accents and letter case aside ("em" finds "Émile"); letters typed within the
// platform's keyboard interval add up, a pause or a new entry into the list
// starts a new search.
class NameList : public QListWidget
{
    Q_OBJECT
public:
    explicit NameList(QWidget *parent = nullptr);

    void keyboardSearch(const QString &search) override;
    // True while a typed letter is changing the current name.
    bool isTypingAhead() const { return m_typingAhead; }

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    QString m_typed;
    QElapsedTimer m_sinceLastKey;
    bool m_typingAhead = false;
};
