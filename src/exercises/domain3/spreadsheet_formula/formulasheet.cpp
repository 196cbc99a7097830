#include "exercises/domain3/spreadsheet_formula/formulasheet.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <cmath>

namespace FormulaSheet {

double markFor(int r)
{
    return (r + 6) / 2.0;
}

Marks drawMarks()
{
    QRandomGenerator random(quint32(QDateTime::currentMSecsSinceEpoch()));
    Marks marks{};
    for (double &mark : marks)
        mark = markFor(int(random.bounded(75)));
    return marks;
}

int targetColumn(Target target)
{
    switch (target) {
    case Target::Average: return 2;
    case Target::Minimum: return 5;
    case Target::Maximum: return 8;
    }
    return 0;
}

QString nameBoxText(Target target)
{
    return QStringLiteral("%1 %2").arg(QChar(64 + targetColumn(target))).arg(TargetRow);
}

QString expectedFormula(Target target)
{
    switch (target) {
    case Target::Average: return QStringLiteral("=MOYENNE(A1:H15)");
    case Target::Minimum: return QStringLiteral("=MIN(A1:H15)");
    case Target::Maximum: return QStringLiteral("=MAX(A1:H15)");
    }
    return QString();
}

std::optional<Target> targetAt(int column, int row)
{
    for (Target t : {Target::Average, Target::Minimum, Target::Maximum})
        if (row == TargetRow && column == targetColumn(t))
            return t;
    return std::nullopt;
}

std::optional<Target> targetNamed(const QString &nameBox)
{
    for (Target t : {Target::Average, Target::Minimum, Target::Maximum})
        if (nameBox == nameBoxText(t))
            return t;
    return std::nullopt;
}

QString upperAscii(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return upper;
}

bool accepts(Target target, const QString &typed)
{
    return upperAscii(typed) == expectedFormula(target);
}

QString format(double value)
{
    return QString::number(value, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

double parse(const QString &text)
{
    bool ok = false;
    const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? value : 0.0;
}

double truncatedMean(double sumOfMarks)
{
    return std::trunc(sumOfMarks / 1.2) / 100.0;
}
}
