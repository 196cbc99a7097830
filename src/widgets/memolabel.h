#pragma once
#include <QLabel>

// A read-only memo of the drawn forms: white, sunken, its text centred and wrapped
// (line breaks kept). The pupil reads it; it takes no input.
class MemoLabel : public QLabel
{
    Q_OBJECT
public:
    MemoLabel(const QString &name, const QRect &rect, const QFont &font, QWidget *parent);
};
