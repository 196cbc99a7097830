#include "widgets/memolabel.h"

MemoLabel::MemoLabel(const QString &name, const QRect &rect, const QFont &font, QWidget *parent) : QLabel(parent)
{
    setObjectName(name);
    setGeometry(rect);
    setFont(font);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("QLabel { background: white; color: black; }"));
}
