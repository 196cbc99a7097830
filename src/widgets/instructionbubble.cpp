#include "widgets/instructionbubble.h"

#include "pictures/pictures.h"
#include "widgets/picturebox.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {
const QString SharedMascot = QStringLiteral("Commun/Mascotte");

// The rounded rectangle behind the labels.
class BubbleShape : public QWidget
{
public:
    BubbleShape(QColor fill, QWidget *parent) : QWidget(parent), m_fill(fill)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents, false);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
        QPainterPath path;
        path.addRoundedRect(r, 18, 18);
        p.fillPath(path, m_fill);
        p.setPen(QPen(QColor(40, 40, 40), 2));
        p.drawPath(path);
    }

private:
    QColor m_fill;
};
}

InstructionBubble::InstructionBubble(QWidget *window, const QRect &mascotRect, const QRect &shapeRect,
                                     Colour colour, const QString &mascotPicture)
    : QObject(window), m_window(window), m_shapeRect(shapeRect)
{
    setObjectName(QStringLiteral("instructionBubble"));
    if (mascotRect.isValid()) {
        QString picture = mascotPicture;
        if (picture.isEmpty())
            picture = SharedMascot;
        m_mascot = new PictureBox(picture, window);
        m_mascot->setObjectName(QStringLiteral("mascot"));
        m_mascot->setGeometry(mascotRect);
    }
    m_shape = new BubbleShape(colourOf(colour), window);
    m_shape->setObjectName(QStringLiteral("instructionShape"));
    m_shape->setGeometry(shapeRect);
}

QColor InstructionBubble::colourOf(Colour colour)
{
    return colour == Colour::Yellow ? QColor(255, 255, 128) : QColor(Qt::white);
}

QString InstructionBubble::displayText(const QString &text)
{
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

void InstructionBubble::styleLabel(QLabel *label)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(16);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TranslucentBackground);
    // Colours only: a font in the style sheet would win over the one a window gives
    // its label afterwards (a second line in regular type, another family).
    label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
}

QLabel *InstructionBubble::addLabel(const QString &name, const QRect &rect, const QString &text)
{
    auto *label = new QLabel(displayText(text), m_window);
    label->setObjectName(name);
    styleLabel(label);
    label->setGeometry(rect);
    label->show();
    m_labels << label;
    return label;
}

QLabel *InstructionBubble::addLabel(const QString &name, const QString &text)
{
    // Three rows fit in the bubble; each new label takes the next row.
    const int rows = 3;
    const int margin = 8;
    const int rowHeight = (m_shapeRect.height() - 2 * margin) / rows;
    const int index = int(m_labels.size());
    QRect rect(m_shapeRect.left() + 12, m_shapeRect.top() + margin + index * rowHeight,
               m_shapeRect.width() - 24, rowHeight);
    if (index == 0)   // a lone label may take the whole bubble until a second comes
        rect.setHeight(m_shapeRect.height() - 2 * margin);
    else if (index == 1)
        m_labels.first()->setGeometry(m_shapeRect.left() + 12, m_shapeRect.top() + margin,
                                      m_shapeRect.width() - 24, rowHeight);
    return addLabel(name, rect, text);
}

QLabel *InstructionBubble::label(int index) const
{
    return index >= 0 && index < m_labels.size() ? m_labels.at(index) : nullptr;
}

void InstructionBubble::setText(int index, const QString &text)
{
    if (QLabel *l = label(index))
        l->setText(displayText(text));
}
