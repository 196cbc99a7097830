#include "widgets/spinedit.h"

#include <QLineEdit>
#include <QToolButton>

SpinEdit::SpinEdit(QWidget *parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    m_edit->setObjectName(QStringLiteral("edit"));
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, &SpinEdit::stepUp);
    connect(m_down, &QToolButton::clicked, this, &SpinEdit::stepDown);
    connect(m_edit, &QLineEdit::textChanged, this, &SpinEdit::textChanged);
    connect(m_edit, &QLineEdit::textEdited, this, &SpinEdit::textEdited);
    setFocusProxy(m_edit);
}

void SpinEdit::setRange(int low, int high)
{
    m_low = qMin(low, high);
    m_high = qMax(low, high);
}

QString SpinEdit::text() const { return m_edit->text(); }
void SpinEdit::setText(const QString &text) { m_edit->setText(text); }
void SpinEdit::setReadOnly(bool readOnly) { m_edit->setReadOnly(readOnly); }

void SpinEdit::setFont(const QFont &font)
{
    QWidget::setFont(font);
    m_edit->setFont(font);
}

void SpinEdit::stepUp() { stepBy(1); }
void SpinEdit::stepDown() { stepBy(-1); }

void SpinEdit::stepBy(int delta)
{
    bool ok = false;
    const int value = m_edit->text().trimmed().toInt(&ok);
    const int next = ok ? qBound(m_low, value + delta, m_high) : m_low;
    m_edit->setText(QString::number(next));
    emit stepped(m_edit->text());
}

void SpinEdit::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int arrows = qMin(16, width() / 3);
    const int half = height() / 2;
    m_edit->setGeometry(0, 0, width() - arrows, height());
    m_up->setGeometry(width() - arrows, 0, arrows, half);
    m_down->setGeometry(width() - arrows, half, arrows, height() - half);
}
