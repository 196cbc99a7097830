#include "exercises/domain4/information_origin/layout.h"
#include "exercises/domain4/information_origin/legalnotice.h"
#include "shell/exercise/walkthrough.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>
#include <memory>

using namespace Walkthrough;
using namespace InformationOriginLayout;

namespace {
const QString Window = QStringLiteral("Texercice24v3");
const QString ClueNames[4] = {QStringLiteral("Clique sur l'adresse du site"), QStringLiteral("Clique sur le logo"),
                              QStringLiteral("Clique sur le bandeau"), QStringLiteral("Clique sur le copyright")};
constexpr QRect Clues[4] = {AddressBar, Emblem, Banner, CopyrightNotice};

// A date field's up arrow, in the window (the fields lie in the date box).
constexpr QRect upArrow(const QRect &arrows)
{
    return QRect(arrows.left(), arrows.top(), arrows.width(), arrows.height() / 2).translated(DateBox.topLeft());
}

// Where the webmaster's address begins and ends in the legal page's field, in the
// field's coordinates: the same field is laid out, unseen, to read the text's places.
std::pair<QRect, QRect> addressEnds()
{
    auto host = std::make_unique<QWidget>();
    host->setAttribute(Qt::WA_DontShowOnScreen);
    host->resize(WindowSize);
    QTextEdit *field = LegalNotice::makeField(host.get());
    host->show();
    const int start = int(field->document()->find(WebmasterAddress).selectionStart());
    const auto point = [field](int position) {
        QTextCursor c(field->document());
        c.setPosition(position);
        return QRect(field->viewport()->mapTo(field, field->cursorRect(c).center()), QSize(1, 1));
    };
    return {point(start), point(start + WebmasterAddressLength)};
}

// The perfect run: the four clues, the newest article's date set with the arrows,
// then the webmaster's address selected with the mouse on the legal page.
Steps steps()
{
    Steps run{click(QStringLiteral("Clique sur le menu du site"), at(Window, NavColumn)).asMistake()};
    for (int i = 0; i < 4; ++i)
        run << click(ClueNames[i], at(Window, Clues[i]));
    for (int day = 1; day < DayAnswer.toInt(); ++day)
        run << click(QStringLiteral("Augmente le jour"), at(Window, upArrow(DayArrows)));
    for (int month = 1; month < MonthAnswer.toInt(); ++month)
        run << click(QStringLiteral("Augmente le mois"), at(Window, upArrow(MonthArrows)));
    run << click(QStringLiteral("Valide la date"), on(Window, QStringLiteral("Button1")))
        << click(QStringLiteral("Ouvre les mentions légales"), at(Window, LegalNoticeLink));
    const auto [from, to] = addressEnds();
    run << drag(QStringLiteral("Sélectionne à la souris l'adresse du webmestre"),
                on(Window, QStringLiteral("RichEdit1"), from), on(Window, QStringLiteral("RichEdit1"), to));
    return run;
}
}

static const Walkthrough::Registrar walkthrough(Competence, steps);
