#pragma once
#include "administration/classmatrixmodel.h"
#include "administration/pupilresultswindow.h"

#include <QPointer>
#include <QWidget>

class FrozenColumnsView;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;
class SuccessChart;

// "Suivi des classes": the pupils of the chosen classes against the 29
// competences, grouped by domain, with the totals, filters, a chart of the rates,
// exports and printouts of the whole class. A normal window opened from the
// console, which stays open behind it.
class ClassFollowUp : public QWidget
{
    Q_OBJECT
public:
    // 'classes': those checked at first (every class when empty).
    explicit ClassFollowUp(const QStringList &classes, QWidget *parent = nullptr);

    // Reads the class list and every record again; false (after the error box)
    // when one cannot be read, and then no pupil is shown.
    bool refresh();

    static inline const QString UnknownClass = QStringLiteral("Classe inconnue");

    ClassMatrixModel *model() const { return m_model; }
    FrozenColumnsView *matrix() const { return m_matrix; }
    SuccessChart *chart() const { return m_chart; }
    QListWidget *classList() const { return m_classList; }
    QComboBox *domainFilter() const { return m_domain; }
    QComboBox *notYetFilter() const { return m_notYet; }
    QSpinBox *scoreFilter() const { return m_scoreBelow; }
    QLabel *summary() const { return m_summary; }
    PupilResultsWindow *pupilWindow() const { return m_pupilWindow; }
    QStringList checkedClasses() const;

    // The selected cells as tab-separated lines, as Ctrl+C copies them.
    QString selectedText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void classListChange(QListWidgetItem *item);
    void filterChange();
    void headerClick(int column);
    void matrixDoubleClick(const QModelIndex &index);
    void exportClick();
    void printSheetsClick();
    void printTableClick();

private:
    QWidget *buildBar();
    void buildMatrix();
    void fillClassList(const QStringList &known, const QStringList &checked);
    void showPupils();
    void showTotals();
    QString fileStem() const;

    QListWidget *m_classList = nullptr;
    QComboBox *m_domain = nullptr;
    QComboBox *m_notYet = nullptr;
    QSpinBox *m_scoreBelow = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_export = nullptr, *m_printSheets = nullptr, *m_printTable = nullptr;
    FrozenColumnsView *m_matrix = nullptr;
    SuccessChart *m_chart = nullptr;
    ClassMatrixModel *m_model = nullptr;
    QPointer<PupilResultsWindow> m_pupilWindow;

    QList<PupilResults> m_everyPupil;
    QStringList m_knownClasses;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
