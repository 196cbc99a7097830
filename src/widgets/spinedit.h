#pragma once
#include <QWidget>

class QLineEdit;
class QToolButton;

// An edit field with up-down arrows, judged as text ("2", "2008"): unlike a
// QSpinBox the pupil may type anything, and the arrows step the number it holds
// within the range (a text that is not a number starts from the low end).
class SpinEdit : public QWidget
{
    Q_OBJECT
public:
    explicit SpinEdit(QWidget *parent = nullptr);

    void setRange(int low, int high);
    int low() const { return m_low; }
    int high() const { return m_high; }
    QString text() const;
    void setText(const QString &text);
    // Read-only: typing is refused, the arrows still work.
    void setReadOnly(bool readOnly);
    void setFont(const QFont &font);

    QLineEdit *edit() const { return m_edit; }
    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

public slots:
    void stepUp();
    void stepDown();

signals:
    void textChanged(const QString &text);   // typed or stepped
    void textEdited(const QString &text);    // typed by the pupil only
    void stepped(const QString &text);       // by an arrow

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void stepBy(int delta);

    QLineEdit *m_edit;
    QToolButton *m_up;
    QToolButton *m_down;
    int m_low = 0;
    int m_high = 100;
};
