#pragma once
#include <QListWidget>
#include <QRect>
#include <QStringList>

class QGroupBox;

// A single-selection answer list: a double click anywhere on it judges the item
// selected at that moment (after the click has selected what lies under it).
class AnswerList : public QListWidget
{
    Q_OBJECT
public:
    using QListWidget::QListWidget;

    // A red group box with its bold caption holding the list, both hidden.
    static AnswerList *place(QWidget *window, const QString &boxName, const QString &listName, const QRect &boxRect,
                             const QString &caption, const QStringList &items, QGroupBox **box);

signals:
    void judged(int row);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
