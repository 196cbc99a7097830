#include "exercises/domain2/questioning_results/answerlist.h"

#include "exercises/domain2/questioning_results/layout.h"
#include "pictures/fonts.h"
#include "widgets/placement.h"

#include <QGroupBox>
#include <QMouseEvent>

AnswerList *AnswerList::place(QWidget *window, const QString &boxName, const QString &listName, const QRect &boxRect,
                              const QString &caption, const QStringList &items, QGroupBox **box)
{
    auto *group = ::place(new QGroupBox(caption, window), boxName, boxRect);
    group->setFont(pixelFont(QStringLiteral("Tahoma"), 16, true));
    group->setAutoFillBackground(true);
    QPalette red = group->palette();
    red.setColor(QPalette::Window, QColor(255, 0, 0));
    red.setColor(QPalette::WindowText, Qt::black);
    group->setPalette(red);
    auto *list = ::place(new AnswerList(group), listName,
                         QRect(QuestioningLayout::AnswerListInBox.topLeft(),
                               QSize(boxRect.width() - 16, QuestioningLayout::AnswerListInBox.height())));
    list->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const QString &text : items) {
        auto *item = new QListWidgetItem(text, list);
        item->setSizeHint(QSize(0, 16));
    }
    group->hide();
    *box = group;
    return list;
}

void AnswerList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListWidget::mouseDoubleClickEvent(event);
    // A double click that selects nothing judges nothing.
    if (event->button() == Qt::LeftButton && isEnabled() && currentRow() >= 0)
        emit judged(currentRow());
}
