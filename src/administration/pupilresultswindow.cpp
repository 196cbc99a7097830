#include "administration/pupilresultswindow.h"

#include "administration/resulttexts.h"
#include "records/clock.h"
#include "widgets/messagebox.h"
#include "widgets/placement.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int RowsPerColumn = 15;
constexpr int RowTop = 40;
constexpr int RowStep = 24;
constexpr int ColumnWidth = 380;
}

PupilResultsWindow::PupilResultsWindow(const QString &recordName, QWidget *parent)
    : QDialog(parent), m_recordName(recordName)
{
    setWindowTitle(QStringLiteral("Résultats"));
    setFixedSize(2 * ColumnWidth + 30, RowTop + RowsPerColumn * RowStep + 50);
    Label31 = place(new QLabel(this), "Label31", QRect(12, 8, 2 * ColumnWidth, 24));
    QFont bold = Label31->font();
    bold.setBold(true);
    Label31->setFont(bold);
    for (int n = 1; n <= CompetenceCount; ++n) {
        const int x = 12 + ((n - 1) / RowsPerColumn) * ColumnWidth;
        const int y = RowTop + ((n - 1) % RowsPerColumn) * RowStep;
        Row &row = m_rows[n - 1];
        row.box = place(new QCheckBox(QStringLiteral("Exercice ") + QString::number(n), this),
                        QStringLiteral("CheckBox") + QString::number(n), QRect(x, y, 100, 20));
        row.label = place(new QLabel(this), QStringLiteral("Label") + QString::number(n), QRect(x + 104, y, 270, 20));
        connect(row.box, &QCheckBox::clicked, this, [this, n] { RowClick(n); });
    }
    const int bottom = height() - 38;
    Button14 = place(new QPushButton(QStringLiteral("Valider changements"), this), "Button14",
                     QRect(width() - 340, bottom, 180, 28));
    ButtonClose = place(new QPushButton(QStringLiteral("Fermer"), this), "ButtonClose",
                        QRect(width() - 150, bottom, 138, 28));
    Button14->hide();
    connect(Button14, &QPushButton::clicked, this, &PupilResultsWindow::Button14Click);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::reject);
}

bool PupilResultsWindow::load()
{
    RecordContent content;
    const IoStatus status = RecordStore::readRecord(m_recordName, &content);
    if (!status) {
        MessageBox::error(status.message() + QStringLiteral(" : ") + m_recordName, parentWidget());
        return false;
    }
    m_header = content.header;
    m_date = Clock::todayText();
    Label31->setText(content.header.name + QStringLiteral(" - ") + content.header.className);
    for (int n = 1; n <= CompetenceCount; ++n) {
        Row &row = m_rows[n - 1];
        row.result = content.results[n - 1];
        row.box->setChecked(row.result.acquired);
        row.label->setText(ResultTexts::acquired(row.result));
    }
    Button14->hide();
    return true;
}

void PupilResultsWindow::RowClick(int n)
{
    Row &row = m_rows[n - 1];
    Button14->show();
    if (row.box->isChecked()) {
        row.result = CompetenceResult{n, true, m_date, ResultTexts::Administrator};
        row.label->setText(ResultTexts::tickedByHand(n, m_date));
    } else {
        row.result = CompetenceResult{n, false, QString(), QString()};
        row.label->setText(ResultTexts::NotAcquired);
    }
}

void PupilResultsWindow::Button14Click()
{
    std::array<CompetenceResult, CompetenceCount> results;
    for (int n = 1; n <= CompetenceCount; ++n)
        results[n - 1] = m_rows[n - 1].result;
    const IoStatus status = RecordStore::writeRecord(m_recordName, m_header, results, GroupLabel::CompetenceAccent);
    if (!status) {
        MessageBox::error(status.message() + QStringLiteral(" : ") + m_recordName, this);
        return;
    }
    m_saved = true;
    Button14->hide();
}
