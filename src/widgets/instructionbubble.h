#pragma once
#include <QColor>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;
class PictureBox;

// The instruction area of an exercise window: the mascot, a white (or yellow)
// rounded rectangle and one to three centred labels in bold Comic Sans MS 16 px,
// whose texts the steps change. Its parts are direct children of the window, so an
// exercise can stack them among its other controls in the order it needs.
class InstructionBubble : public QObject
{
    Q_OBJECT
public:
    enum class Colour { White, Yellow };

    // mascotPicture: a registered picture name; empty = the shared mascot.
    InstructionBubble(QWidget *window, const QRect &mascotRect, const QRect &shapeRect,
                      Colour colour = Colour::White, const QString &mascotPicture = QString());

    // A label at a rectangle of the window ("Label1", "consigne3" ...).
    QLabel *addLabel(const QString &name, const QRect &rect, const QString &text = QString());
    // A label placed in the bubble under the ones already there (up to three fit).
    QLabel *addLabel(const QString &name, const QString &text = QString());

    QLabel *label(int index) const;
    int labelCount() const { return int(m_labels.size()); }
    void setText(int index, const QString &text);   // "\r" is a line break
    QWidget *shape() const { return m_shape; }
    PictureBox *mascot() const { return m_mascot; }
    QRect shapeRect() const { return m_shapeRect; }

    // Gives any label the bubble's look (bold Comic Sans MS 16 px, centred, wrapped).
    static void styleLabel(QLabel *label);
    static QString displayText(const QString &text);
    static QColor colourOf(Colour colour);

private:
    QWidget *m_window;
    QRect m_shapeRect;
    PictureBox *m_mascot = nullptr;
    QWidget *m_shape = nullptr;
    QList<QLabel *> m_labels;
};
