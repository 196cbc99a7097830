#pragma once
// What the mail client's windows share: colours, fonts, title bars and tool buttons.
#include "pictures/kit.h"
#include "pictures/kit_internal.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

namespace MailClient::detail {

inline const QColor TitleTop(0x3d, 0x5a, 0x86);
inline const QColor TitleBottom(0x27, 0x3f, 0x66);
inline const QColor PaneBack(0xf6, 0xf7, 0xf9);
inline const QColor Line(0xc9, 0xcd, 0xd2);
inline const QColor Selection(0xcf, 0xe3, 0xf7);
inline const QColor Unread(0x2e, 0x8b, 0x3e);

inline QFont font(int pixels, bool bold = false)
{
    return PictureKit::uiFont(pixels, bold);
}

// The text of messages, as the program shows mail.
inline QFont mailFont(int pixels = 13)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(pixels);
    return f;
}

using PictureKit::detail::Saved;

struct ButtonSpec
{
    const char *icon;
    const char *text;
};

// A title bar of the program's windows, 22 pixels high; returns its close box.
QRect paintTitleBar(QPainter &p, const QRect &bar, const QString &caption, const QString &icon, bool buttons = true);
void paintToolButton(QPainter &p, const QRect &r, const QString &icon, const QString &text, bool enabled = true);
void paintToolBackground(QPainter &p, const QRect &r);
void paintPaperClip(QPainter &p, const QRect &r);
void paintSearchField(QPainter &p, const QRect &r, const QString &placeholder);
}
