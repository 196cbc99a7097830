#include "administration/logincards.h"

#include "widgets/messagebox.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>

namespace LoginCards {
namespace {
constexpr int Columns = 2;
constexpr int Rows = CardsPerPage / Columns;

QFont font(const QString &family, qreal points, bool bold = false)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// One card inside its cell; 'mm' is a millimetre in the painter's units.
void paintCard(QPainter &painter, const QRectF &cell, const Card &card, qreal mm)
{
    const QRectF box = cell.adjusted(5 * mm, 4 * mm, -5 * mm, -4 * mm);
    const auto line = [&](qreal top, qreal height, const QFont &f, const QString &text, int flags = Qt::AlignLeft) {
        painter.setFont(f);
        painter.drawText(QRectF(box.left(), box.top() + top * mm, box.width(), height * mm),
                         flags | Qt::AlignVCenter | Qt::TextWordWrap, text);
    };
    painter.setPen(Qt::black);
    line(0, 7, font(QStringLiteral("Arial"), 14, true), QStringLiteral("Tavelo"));
    line(0, 7, font(QStringLiteral("Arial"), 11), QStringLiteral("Classe : ") + card.className, Qt::AlignRight);
    line(7, 6, font(QStringLiteral("Arial"), 10), card.fullName);
    line(14, 7, font(QStringLiteral("Arial"), 11, true), QStringLiteral("Identifiant : ") + card.login);
    line(22, 8, font(QStringLiteral("DejaVu Sans Mono"), 13, true), QStringLiteral("Mot de passe : ") + card.password);
    line(33, 12, font(QStringLiteral("Arial"), 8), howToLogIn());
}

void paintPage(QPainter &painter, const QRectF &page, const QList<Card> &cards, int index)
{
    const qreal mm = painter.device()->logicalDpiX() / 25.4;
    const QSizeF cell(page.width() / Columns, page.height() / Rows);
    QPen cut(Qt::gray, 0.3 * mm, Qt::DashLine);
    for (int i = 0; i < CardsPerPage; ++i) {
        const int at = index * CardsPerPage + i;
        if (at >= cards.size())
            break;
        const QRectF rect(page.left() + (i % Columns) * cell.width(), page.top() + (i / Columns) * cell.height(),
                          cell.width(), cell.height());
        painter.setPen(cut);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);   // where to cut
        paintCard(painter, rect, cards.at(at), mm);
    }
}
}

QString jobTitle() { return QStringLiteral("cartes de connexion"); }

QString howToLogIn()
{
    return QStringLiteral("Pour te connecter : clique sur « élève », choisis ton nom et ton professeur, "
                          "tape ton mot de passe puis clique sur « Entrez ! ».");
}

QString pdfFileName() { return QStringLiteral("cartes-connexion.pdf"); }

Printing::Job job(const QList<Card> &cards)
{
    const int count = int((cards.size() + CardsPerPage - 1) / CardsPerPage);
    auto painting = [cards, count](QPainter &painter, const QRectF &page, const std::function<void()> &newPage) {
        // Margins of 10 mm on the 210 mm width of an A4 sheet.
        const qreal margin = page.width() * 10.0 / 210.0;
        const QRectF inside = page.adjusted(margin, margin, -margin, -margin);
        for (int index = 0; index < count; ++index) {
            if (index > 0)
                newPage();
            paintPage(painter, inside, cards, index);
        }
    };
    return Printing::Job{nullptr, painting, jobTitle()};
}

void print(const QList<Card> &cards, QWidget *parent)
{
    const Printing::Job sheet = job(cards);
    switch (Printing::target().print(sheet)) {
    case Printing::Outcome::Printed:
        break;
    case Printing::Outcome::NoDefaultPrinter:
    {
        const QString path = Printing::savePdf(parent, pdfFileName(), Printing::pdfBytes(sheet));
        if (!path.isEmpty())
            MessageBox::information(Printing::noPrinterMessage() + QStringLiteral(" : les cartes sont enregistrées dans le fichier ")
                                        + path, parent);
        break;
    }
    case Printing::Outcome::Failed:
        MessageBox::error(Printing::failureMessage(), parent);
        break;
    }
}
}
