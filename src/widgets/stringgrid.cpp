#include "widgets/stringgrid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

StringGrid::StringGrid(int columns, int rows, QWidget *parent) : QTableWidget(rows - 1, columns - 1, parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setTabKeyNavigation(false);
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        header->viewport()->installEventFilter(this);
    }
    // The header items in one go: a header recomputes its size at every change.
    {
        const QSignalBlocker quiet(model());
        for (int c = 1; c < this->columns(); ++c)
            setHorizontalHeaderItem(c - 1, new QTableWidgetItem());
        for (int r = 1; r < this->rows(); ++r)
            setVerticalHeaderItem(r - 1, new QTableWidgetItem());
    }
    horizontalHeader()->reset();
    verticalHeader()->reset();
    showSelection();
}

QString StringGrid::cell(int column, int row) const
{
    if (column < 0 || row < 0 || column >= columns() || row >= rows() || (column == 0 && row == 0))
        return QString();
    const QTableWidgetItem *item = row == 0    ? horizontalHeaderItem(column - 1)
                                   : column == 0 ? verticalHeaderItem(row - 1)
                                                 : this->item(row - 1, column - 1);
    return item ? item->text() : QString();
}

void StringGrid::setCell(int column, int row, const QString &text)
{
    if (column < 0 || row < 0 || column >= columns() || row >= rows() || (column == 0 && row == 0))
        return;
    QTableWidgetItem *item = row == 0    ? horizontalHeaderItem(column - 1)
                             : column == 0 ? verticalHeaderItem(row - 1)
                                           : this->item(row - 1, column - 1);
    if (item && item->text() == text)
        return;   // unchanged: no view update
    if (item)
        item->setText(text);
    else if (!text.isEmpty())
        setItem(row - 1, column - 1, new QTableWidgetItem(text));
}

StringGrid::Selection StringGrid::selection() const
{
    return {qMin(m_anchor.x(), m_current.x()), qMin(m_anchor.y(), m_current.y()), qMax(m_anchor.x(), m_current.x()),
            qMax(m_anchor.y(), m_current.y())};
}

void StringGrid::setSelection(const Selection &s)
{
    const QPoint before = m_current;
    m_anchor = QPoint(qBound(1, s.left, columns() - 1), qBound(1, s.top, rows() - 1));
    m_current = QPoint(qBound(1, s.right, columns() - 1), qBound(1, s.bottom, rows() - 1));
    showSelection();
    if (m_current != before)
        emit cellSelected(m_current.x(), m_current.y());
}

void StringGrid::setColumnWidth(int column, int width)
{
    if (column == 0)
        verticalHeader()->setFixedWidth(width);
    else
        QTableWidget::setColumnWidth(column - 1, width);
}

void StringGrid::setRowHeights(int height)
{
    horizontalHeader()->setFixedHeight(height);
    verticalHeader()->setMinimumSectionSize(qMin(height, verticalHeader()->minimumSectionSize()));
    verticalHeader()->setDefaultSectionSize(height);
}

void StringGrid::setFixedColour(const QColor &colour)
{
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        QPalette fixed = header->palette();
        fixed.setColor(QPalette::Button, colour);
        fixed.setColor(QPalette::Window, colour);
        fixed.setColor(QPalette::ButtonText, Qt::black);
        header->setPalette(fixed);
    }
}

void StringGrid::setGridColour(const QColor &colour)
{
    QPalette lines = palette();
    lines.setColor(QPalette::Mid, colour);
    lines.setColor(QPalette::Base, Qt::white);
    lines.setColor(QPalette::Text, Qt::black);
    setPalette(lines);
}

QRect StringGrid::cellRect(int column, int row) const
{
    const QPoint origin = viewport()->geometry().topLeft();
    const int x = column == 0 ? frameWidth() : origin.x() + columnViewportPosition(column - 1);
    const int w = column == 0 ? verticalHeader()->width() : QTableWidget::columnWidth(column - 1);
    const int y = row == 0 ? frameWidth() : origin.y() + rowViewportPosition(row - 1);
    const int h = row == 0 ? horizontalHeader()->height() : rowHeight(row - 1);
    return QRect(x, y, w, h);
}

QPoint StringGrid::cellAt(QPoint gridPoint, bool clamp) const
{
    QPoint p = viewport()->mapFrom(this, gridPoint);
    const QRect area = viewport()->rect();
    if (clamp) {
        const int lastX = qMin(area.right(), columnViewportPosition(columnCount() - 1) + QTableWidget::columnWidth(columnCount() - 1) - 1);
        const int lastY = qMin(area.bottom(), rowViewportPosition(rowCount() - 1) + rowHeight(rowCount() - 1) - 1);
        p = QPoint(qBound(0, p.x(), lastX), qBound(0, p.y(), lastY));
    } else if (!area.contains(p)) {
        return QPoint(-1, -1);
    }
    const int c = columnAt(p.x());
    const int r = rowAt(p.y());
    if (c < 0 || r < 0)
        return QPoint(-1, -1);
    return QPoint(c + 1, r + 1);
}

QString StringGrid::reference(const Selection &s, bool alwaysRange)
{
    const QString first = QString(columnLetter(s.left)) + QString::number(s.top);
    if (s.isSingleCell() && !alwaysRange)
        return first;
    return first + QLatin1Char(':') + QString(columnLetter(s.right)) + QString::number(s.bottom);
}

void StringGrid::showSelection()
{
    const Selection s = selection();
    QItemSelection range(model()->index(s.top - 1, s.left - 1), model()->index(s.bottom - 1, s.right - 1));
    selectionModel()->setCurrentIndex(model()->index(m_current.y() - 1, m_current.x() - 1),
                                      QItemSelectionModel::NoUpdate);
    selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
    scrollTo(model()->index(m_current.y() - 1, m_current.x() - 1));
}

void StringGrid::moveCurrent(QPoint cell, bool extend)
{
    if (cell.x() < 1 || cell.y() < 1)
        return;
    const QPoint before = m_current;
    if (!extend)
        m_anchor = cell;
    m_current = cell;
    showSelection();
    if (m_current != before || !extend)
        emit cellSelected(m_current.x(), m_current.y());
}

bool StringGrid::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = gridPoint(viewport(), mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton) {
            m_dragging = true;
            moveCurrent(cellAt(at), false);
        }
        emit mouseDown(mouse->button(), at);
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = gridPoint(viewport(), mouse->position().toPoint());
        if (m_dragging && (mouse->buttons() & Qt::LeftButton))
            moveCurrent(cellAt(at, true), true);
        emit mouseMove(at, mouse->buttons());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            m_dragging = false;
        emit mouseUp(mouse->button(), gridPoint(viewport(), mouse->position().toPoint()));
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            emit doubleClicked();
        return true;
    }
    default:
        return QTableWidget::viewportEvent(event);
    }
}

// Presses on the headers are the grid's too, but move nothing.
bool StringGrid::eventFilter(QObject *watched, QEvent *event)
{
    auto *from = qobject_cast<QWidget *>(watched);
    if (!from || !isEnabled())
        return QTableWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        setFocus(Qt::MouseFocusReason);
        emit mouseDown(mouse->button(), gridPoint(from, mouse->position().toPoint()));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        emit mouseUp(mouse->button(), gridPoint(from, mouse->position().toPoint()));
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        emit mouseMove(gridPoint(from, mouse->position().toPoint()), mouse->buttons());
        return true;
    }
    case QEvent::MouseButtonDblClick:
        emit doubleClicked();
        return true;
    default:
        return QTableWidget::eventFilter(watched, event);
    }
}

void StringGrid::keyPressEvent(QKeyEvent *event)
{
    QPoint to = m_current;
    const int page = qMax(1, viewport()->height() / qMax(1, rowHeight(0)) - 1);
    switch (event->key()) {
    case Qt::Key_Left: to.rx() -= 1; break;
    case Qt::Key_Right: to.rx() += 1; break;
    case Qt::Key_Up: to.ry() -= 1; break;
    case Qt::Key_Down: to.ry() += 1; break;
    case Qt::Key_PageUp: to.ry() -= page; break;
    case Qt::Key_PageDown: to.ry() += page; break;
    case Qt::Key_Home: to.rx() = 1; break;
    case Qt::Key_End: to.rx() = columns() - 1; break;
    default:
        if (!event->text().isEmpty() && event->text().at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
            emit textTyped(event->text());
            event->accept();
            return;
        }
        event->ignore();
        return;
    }
    to = QPoint(qBound(1, to.x(), columns() - 1), qBound(1, to.y(), rows() - 1));
    moveCurrent(to, event->modifiers() & Qt::ShiftModifier);
    event->accept();
}

void StringGrid::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        emit keyUp(event->key());
    QTableWidget::keyReleaseEvent(event);
}

void StringGrid::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuAsked(event->globalPos());
    event->accept();
}
