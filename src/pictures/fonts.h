#pragma once
#include <QFont>
#include <QString>

// The one way the program asks for a font: by the family name the imitated software
// uses ("Tahoma", "Comic Sans MS", "Times New Roman" ...), fontconfig substituting the
// installed face, at a size in pixels so that text keeps its place on any screen.
struct FontStyle
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

inline QFont pixelFont(const QString &family, qreal pixels, FontStyle style = {})
{
    QFont font(family);
    font.setPixelSize(qRound(pixels));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

inline QFont pixelFont(const QString &family, qreal pixels, bool bold)
{
    return pixelFont(family, pixels, FontStyle{bold});
}
