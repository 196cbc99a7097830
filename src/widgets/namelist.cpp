#include "widgets/namelist.h"

#include "records/frenchorder.h"

#include <QApplication>

NameList::NameList(QWidget *parent)
    : QListWidget(parent)
{
}

void NameList::focusInEvent(QFocusEvent *event)
{
    m_typed.clear();
    QListWidget::focusInEvent(event);
}

void NameList::keyboardSearch(const QString &search)
{
    if (search.isEmpty())
        return;
    if (!m_sinceLastKey.isValid() || m_sinceLastKey.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_sinceLastKey.start();
    m_typed += search;
    for (int i = 0; i < count(); ++i) {
        if (!FrenchOrder::beginsWith(item(i)->text(), m_typed))
            continue;
        m_typingAhead = true;
        setCurrentItem(item(i));
        scrollToItem(item(i));
        m_typingAhead = false;
        return;
    }
}
