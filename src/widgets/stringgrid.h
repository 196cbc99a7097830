#pragma once
#include <QPoint>
#include <QString>
#include <QTableWidget>
#include <Qt>

// A string grid: a table of text cells below one fixed header row and beside one
// fixed header column, as spreadsheets show them. Cells are addressed as (column,
// row) counted from the fixed ones: column 0 and row 0 are the headers, (1, 1) is
// the first ordinary cell. The pupil cannot type in it: a left click sets the
// selection, a left drag extends it to a rectangle, the arrow keys move it. The
// mouse notices come after the grid has updated its selection, as the exercises
// reading the selection in them expect; presses on the fixed headers are noticed
// too but leave the selection as it was.
class StringGrid : public QTableWidget
{
    Q_OBJECT
public:
    // columns and rows count the headers, as the grid's own sizes do.
    StringGrid(int columns, int rows, QWidget *parent = nullptr);

    struct Selection
    {
        int left = 1;
        int top = 1;
        int right = 1;
        int bottom = 1;
        bool isSingleCell() const { return left == right && top == bottom; }
        bool operator==(const Selection &) const = default;
    };

    int columns() const { return columnCount() + 1; }
    int rows() const { return rowCount() + 1; }

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);

    // Always left <= right and top <= bottom, in ordinary cells.
    Selection selection() const;
    void setSelection(const Selection &selection);
    void selectCell(int column, int row) { setSelection({column, row, column, row}); }
    QPoint currentCell() const { return m_current; }

    // Sizes in pixels; column 0 / row 0 are the fixed header's.
    void setColumnWidth(int column, int width);
    void setRowHeights(int height);
    void setFixedColour(const QColor &colour);
    void setGridColour(const QColor &colour);

    // The rectangle of a cell in the grid's own coordinates (headers included).
    QRect cellRect(int column, int row) const;
    // The ordinary cell at a point of the grid (clamped when 'clamp'), or (-1, -1).
    QPoint cellAt(QPoint gridPoint, bool clamp = false) const;

    // The cell reference as a spreadsheet writes it: "A5", or "A5:B8" for a rectangle.
    static QString reference(const Selection &selection, bool alwaysRange = false);
    static QChar columnLetter(int column) { return QChar(64 + column); }

signals:
    void mouseDown(Qt::MouseButton button, QPoint gridPoint);
    void mouseMove(QPoint gridPoint, Qt::MouseButtons buttons);
    void mouseUp(Qt::MouseButton button, QPoint gridPoint);
    void doubleClicked();
    void keyUp(int key);
    void contextMenuAsked(QPoint globalPos);
    // The current cell moved (click or keyboard).
    void cellSelected(int column, int row);
    // A printable key typed on the grid (which does not edit in place).
    void textTyped(const QString &text);

protected:
    bool viewportEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void showSelection();
    void moveCurrent(QPoint cell, bool extend);
    QPoint gridPoint(QWidget *from, QPoint local) const { return from->mapTo(this, local); }

    QPoint m_anchor{1, 1};
    QPoint m_current{1, 1};
    bool m_dragging = false;
};
