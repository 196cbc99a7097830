#include "widgets/choicecombo.h"

#include <QLineEdit>

ChoiceCombo::ChoiceCombo(QWidget *parent, bool editable)
    : QComboBox(parent)
{
    setEditable(editable);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this](int index) {
        m_chosen = index >= 0 && !(m_hasTyped && itemText(index) == m_typed);
        m_hasTyped = false;
        if (m_chosen)
            emit chosen(index, itemText(index));
    });
    if (editable)
        connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString &text) {
            m_chosen = false;
            m_typed = text;
            m_hasTyped = true;
        });
}

void ChoiceCombo::showPopup()
{
    m_hasTyped = false;
    QComboBox::showPopup();
}

void ChoiceCombo::setPlaceholderChoice(const QString &text)
{
    setCurrentIndex(-1);
    if (isEditable())
        setEditText(text);
    else
        setPlaceholderText(text);
    // The prompt reads as plainly as an answer: a pale one looks disabled.
    QPalette p = palette();
    p.setColor(QPalette::PlaceholderText, p.color(QPalette::Text));
    setPalette(p);
    m_chosen = false;
}

void ChoiceCombo::setColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Button, colour);
    // On a coloured list the answer stays legible once the list is disabled.
    p.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::black);
    setPalette(p);
    if (lineEdit())
        lineEdit()->setPalette(p);
}

void ChoiceCombo::clearChoice()
{
    m_chosen = false;
    setCurrentIndex(-1);
}
