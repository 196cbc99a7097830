// The pictures every exercise window shows: the mascot of the instruction bubble
// and the glyph of the "Abandon" buttons.
#include "pictures/kit.h"
#include "pictures/pictures.h"

#include <QPainter>

namespace {
void paintMascotPicture(QPainter &painter, const QSize &size) { PictureKit::paintMascot(painter, QRect(QPoint(), size)); }

void paintAbandon(QPainter &painter, const QSize &size) { PictureKit::paintAbandonGlyph(painter, QRect(QPoint(), size)); }

const Pictures::Registrar registrations[] = {
    Pictures::Registrar{{QStringLiteral("Commun/Mascotte"), {84, 100}, &paintMascotPicture, {}}},
    Pictures::Registrar{{QStringLiteral("Commun/Abandon"), {20, 20}, &paintAbandon, {}}},
};
}
