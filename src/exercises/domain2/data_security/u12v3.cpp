#include "exercises/domain2/data_security/u12v3.h"

#include "exercises/domain2/data_security/layout.h"
#include "shell/exercise/commontexts.h"
#include "exercises/domain2/data_security/u12v3b.h"
#include "pictures/fonts.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

using namespace DataSecurityLayout;

namespace {
QLineEdit *logOnField(const char *name, const QRect &rect, QWidget *parent)
{
    auto *edit = place(new QLineEdit(parent), name, rect);
    edit->setFont(pixelFont(QStringLiteral("Tahoma"), 12));
    edit->hide();
    return edit;
}

// What the memo needs to show every line whole, never less than its given size.
QSize memoSize(const QPlainTextEdit *memo)
{
    const QFontMetrics metrics(memo->font());
    int widest = 0;
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int margins = 2 * (qRound(memo->document()->documentMargin()) + memo->frameWidth()) + 4;
    return QSize(std::max(widest + margins, DataSecurityLayout::Memo1.width()),
                 std::max(int(lines.size()) * metrics.lineSpacing() + margins, DataSecurityLayout::Memo1.height()));
}
}

Texercice12v3::Texercice12v3(ExerciseSession *session)
    : ChainScreen(session, QStringLiteral("Texercice12v3"), QStringLiteral("exercice12v3"), Window1Size,
                  Style{QColor(118, 124, 152), CommonTexts::WrongWay, ErrorThreshold})
{
    InstructionBubble *bubble = placeBubble(W1Mascot, W1Shape);
    consigne3 = bubble->addLabel(QStringLiteral("consigne3"), W1consigne3, FindWorkstations);
    placeAbandon(QStringLiteral("BitBtn20"), W1BitBtn20);
    Image1 = picture(QStringLiteral("Image1"), DataSecurityLayout::Image1);
    zs2 = hotSpot(QStringLiteral("zs2"), DataSecurityLayout::zs2);
    zs1 = hotSpot(QStringLiteral("zs1"), DataSecurityLayout::zs1);
    zs3 = hotSpot(QStringLiteral("zs3"), DataSecurityLayout::zs3);
    zs4 = hotSpot(QStringLiteral("zs4"), DataSecurityLayout::zs4);
    Memo1 = place(new QPlainTextEdit(accountMemo(), this), "Memo1", DataSecurityLayout::Memo1);
    Memo1->setReadOnly(true);
    // The password is copied letter by letter: the accounts are set in a fixed font
    // as large as the instructions', and the memo grows from its corner to hold them.
    Memo1->setFont(pixelFont(QStringLiteral("DejaVu Sans Mono"), 16));
    Memo1->document()->setDocumentMargin(4);
    Memo1->setFrameShape(QFrame::Box);
    Memo1->resize(memoSize(Memo1));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setStyleSheet(QStringLiteral("background: rgb(255, 255, 225); color: black;"));
    Memo1->hide();
    Image2 = picture(QStringLiteral("Image2"), DataSecurityLayout::Image2, false);
    edit1 = logOnField("edit1", DataSecurityLayout::edit1, this);
    edit2 = logOnField("edit2", DataSecurityLayout::edit2, this);
    edit3 = logOnField("edit3", DataSecurityLayout::edit3, this);
    CheckBox1 = place(new QCheckBox(this), "CheckBox1", DataSecurityLayout::CheckBox1);
    CheckBox1->setChecked(true);
    CheckBox1->hide();
    zs5 = hotSpot(QStringLiteral("zs5"), DataSecurityLayout::zs5, false);

    connect(zs1, &HotSpot::clicked, this, &Texercice12v3::zs1Click);
    connect(zs2, &HotSpot::clicked, this, &Texercice12v3::zs2Click);
    connect(zs3, &HotSpot::clicked, this, &Texercice12v3::zs3Click);
    connect(zs4, &HotSpot::clicked, this, &Texercice12v3::zs4Click);
    connect(zs5, &HotSpot::clicked, this, &Texercice12v3::zs5Click);
    // The accounts show while the mouse is over the server.
    connect(zs3, &HotSpot::entered, this, &Texercice12v3::showMemo);
    connect(zs3, &HotSpot::moved, this, &Texercice12v3::showMemo);
    connect(zs3, &HotSpot::released, this, &Texercice12v3::showMemo);
    for (HotSpot *rest : {zs2, zs1, zs4})
        connect(rest, &HotSpot::moved, this, &Texercice12v3::hideMemo);
}

QString Texercice12v3::accountMemo()
{
    QStringList lines{MemoHeader, QString()};
    for (const Account &a : Accounts)
        lines << QStringLiteral("%1       %2").arg(QString::fromLatin1(a.login), QString::fromLatin1(a.password));
    return lines.join(QLatin1Char('\n'));
}

void Texercice12v3::zs1Click()
{
    if (m_step != 1) {
        wrongAction();
        return;
    }
    consigne3->setText(FindServer);
    m_step = 2;
}

void Texercice12v3::zs3Click()
{
    if (m_step == 1)
        wrongAction();
    else if (m_step == 2) {
        consigne3->setText(FindFirewall);
        m_step = 3;
    }
}

void Texercice12v3::zs4Click()
{
    if (m_step != 3) {
        wrongAction();
        return;
    }
    for (QWidget *w : {static_cast<QWidget *>(Image2), static_cast<QWidget *>(edit1), static_cast<QWidget *>(edit2),
                       static_cast<QWidget *>(edit3), static_cast<QWidget *>(CheckBox1), static_cast<QWidget *>(zs5)})
        w->show();
    consigne3->setText(InstructionBubble::displayText(LogOn));
    m_step = 4;
    zs1->hide();
    zs4->hide();
    edit1->setFocus();
}

void Texercice12v3::zs2Click()
{
    if (m_step < 3)
        wrongAction();
}

void Texercice12v3::zs5Click()
{
    const bool accepted = edit1->text().toLower() == LogOnUser
                          && edit2->text() == QString::fromLatin1(Accounts[LogOnAccount].password)
                          && edit3->text().toLower() == ServerName && !CheckBox1->isChecked();
    if (!accepted) {
        wrongAction();
        return;
    }
    moveOn<Texercice12v3b>();
}

void Texercice12v3::showMemo()
{
    Memo1->show();
    Memo1->raise();
}

void Texercice12v3::hideMemo()
{
    Memo1->hide();
}

static const ExerciseRegistry::Registrar registrar(Competence, ExerciseSession::launcher<Texercice12v3, Texercice12v3b>(Competence));
