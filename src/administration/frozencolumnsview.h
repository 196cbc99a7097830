#pragma once
#include <QTableView>

// A table whose first columns stay in place while the others scroll: a second
// view showing only those columns lies over the left of this one, shares its
// model and selection, and follows its rows, widths and vertical scrolling.
class FrozenColumnsView : public QTableView
{
    Q_OBJECT
public:
    FrozenColumnsView(int frozenColumns, QWidget *parent = nullptr);

    // Call once the model is set (and again after it changes its columns).
    void setFrozenModel(QAbstractItemModel *model);
    QTableView *frozen() const { return m_frozen; }
    void updateFrozenGeometry();

protected:
    void resizeEvent(QResizeEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

private:
    int frozenWidth() const;

    int m_frozenColumns;
    QTableView *m_frozen = nullptr;
};
