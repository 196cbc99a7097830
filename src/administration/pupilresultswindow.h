#pragma once
#include "records/recordstore.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

// One pupil's results as the console's "Résultats" shows them, opened from the
// class follow-up: a row per competence, ticked when acquired, with its date and
// validator; ticking or clearing a row validates it by hand, "Valider
// changements" writes the record (the pupil's password kept).
class PupilResultsWindow : public QDialog
{
    Q_OBJECT
public:
    PupilResultsWindow(const QString &recordName, QWidget *parent);

    // Reads the record; false (after the error box) when it cannot be read.
    bool load();

    QCheckBox *rowBox(int n) const { return m_rows.at(n - 1).box; }
    QLabel *rowLabel(int n) const { return m_rows.at(n - 1).label; }
    QPushButton *validateButton() const { return Button14; }
    bool saved() const { return m_saved; }

private slots:
    void RowClick(int n);
    void Button14Click();   // "Valider changements"

private:
    struct Row
    {
        QCheckBox *box = nullptr;
        QLabel *label = nullptr;
        CompetenceResult result;
    };

    QString m_recordName;
    RecordHeader m_header;
    QString m_date;
    QLabel *Label31 = nullptr;
    std::array<Row, CompetenceCount> m_rows;
    QPushButton *Button14 = nullptr;
    QPushButton *ButtonClose = nullptr;
    bool m_saved = false;
};
