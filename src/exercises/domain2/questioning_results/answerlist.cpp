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
    group->setStyleSheet(QStringLiteral("QGroupBox { background: rgb(255, 0, 0); border: 1px solid rgb(128, 0, 0);"
                                        " margin-top: 0px; font-family: Tahoma; font-size: 16px; font-weight: bold; }"
                                        "QGroupBox::title { subcontrol-origin: padding; left: 8px; top: 4px; color: black; }"));
    auto *list = ::place(new AnswerList(group), listName,
                         QRect(QuestioningLayout::AnswerListInBox.topLeft(),
                               QSize(boxRect.width() - 16, QuestioningLayout::AnswerListInBox.height())));
    list->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    list->setStyleSheet(QStringLiteral("QListWidget { background: white; font-family: Tahoma; font-size: 13px; }"
                                       "QListWidget::item { height: 16px; }"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->addItems(items);
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
