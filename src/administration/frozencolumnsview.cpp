#include "administration/frozencolumnsview.h"

#include <QHeaderView>
#include <QScrollBar>

FrozenColumnsView::FrozenColumnsView(int frozenColumns, QWidget *parent)
    : QTableView(parent), m_frozenColumns(frozenColumns)
{
    m_frozen = new QTableView(this);
    m_frozen->setObjectName(QStringLiteral("FrozenColumns"));
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->verticalHeader()->hide();
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setHorizontalScrollMode(ScrollPerPixel);
    m_frozen->setVerticalScrollMode(ScrollPerPixel);
    m_frozen->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    viewport()->stackUnder(m_frozen);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (column < m_frozenColumns) {
            m_frozen->setColumnWidth(column, size);
            updateFrozenGeometry();
        }
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int size) { m_frozen->setRowHeight(row, size); });
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
}

void FrozenColumnsView::setFrozenModel(QAbstractItemModel *model)
{
    setModel(model);
    m_frozen->setModel(model);
    m_frozen->setSelectionModel(selectionModel());
    m_frozen->setSelectionBehavior(selectionBehavior());
    m_frozen->setSelectionMode(selectionMode());
    m_frozen->horizontalHeader()->setFont(horizontalHeader()->font());
    m_frozen->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    for (int c = 0; c < model->columnCount(); ++c) {
        m_frozen->setColumnHidden(c, c >= m_frozenColumns);
        if (c < m_frozenColumns)
            m_frozen->setColumnWidth(c, columnWidth(c));
    }
    updateFrozenGeometry();
}

int FrozenColumnsView::frozenWidth() const
{
    int width = 0;
    for (int c = 0; c < m_frozenColumns; ++c)
        width += columnWidth(c);
    return width;
}

void FrozenColumnsView::updateFrozenGeometry()
{
    m_frozen->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    m_frozen->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), frozenWidth(),
                          viewport()->height() + horizontalHeader()->height());
}

void FrozenColumnsView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    updateFrozenGeometry();
}

QModelIndex FrozenColumnsView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    // Moving left into cells hidden under the frozen columns scrolls them out.
    if (cursorAction == MoveLeft && current.column() >= m_frozenColumns
        && visualRect(current).topLeft().x() < frozenWidth()) {
        const int newValue = horizontalScrollBar()->value() + visualRect(current).topLeft().x() - frozenWidth();
        horizontalScrollBar()->setValue(newValue);
    }
    return current;
}

void FrozenColumnsView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (index.column() >= m_frozenColumns)
        QTableView::scrollTo(index, hint);
}
