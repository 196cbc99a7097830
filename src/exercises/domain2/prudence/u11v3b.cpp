#include "exercises/domain2/prudence/u11v3b.h"

#include "exercises/domain2/prudence/layout.h"
#include "exercises/domain2/prudence/u11v3c.h"
#include "pictures/fonts.h"
#include "pictures/tray.h"
#include "records/clock.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/instructionbubble.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"
#include "widgets/spinedit.h"

#include <QCursor>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace PrudenceLayout;

namespace {
// The tray's hot zones and their tooltips, left to right.
const char *const ZoneNames[15] = {"zs1", "zs2", "zs3", "ZS4", "ZS5", "ZS6", "ZS7", "ZS8",
                                   "ZS9", "ZS10", "ZS11", "ZS12", "ZS13", "ZS14", "ZS15"};
const char *const ZoneHints[15] = {
    "connection réseau sans fils (livebox)\rEtat : connecté\rVitesse : 54 Mbits/s",
    "Vnc",
    "connection au réseau local2\run cable réseau est débranché",
    "SSID : livebox-5621",
    "Démarrage rapide Open office 2.2",
    "Connection au réseau local\run cable réseau débranché",
    "volume",
    "Retirer le périphérique en toute sécurité",
    "sur courant alternatif",
    nullptr,   // the antivirus: today's date
    "Dell quickset",
    "Google desktop",
    "Touch pad",
    "Quicktime",
    nullptr,   // the clock: today
};

SpinEdit *spinField(const char *name, const QRect &rect, int low, int high, int initial, QWidget *parent)
{
    auto *field = place(new SpinEdit(parent), name, rect);
    field->setRange(low, high);
    field->setText(QString::number(initial));
    field->setReadOnly(true);
    field->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    return field;
}

// A field's whole text as a number, or -1 when it is not one.
int numberIn(const SpinEdit *field)
{
    bool ok = false;
    const int n = field->text().toInt(&ok);
    return ok ? n : -1;
}
}

QString Texercice11v3b::antivirusHint()
{
    return AntivirusTooltipLead + Clock::todayText() + QLatin1Char('\r');
}

QString Texercice11v3b::clockHint()
{
    const QDate today = Clock::today();
    return DayNames[today.dayOfWeek() % 7] + Clock::todayText();
}

Texercice11v3b::Texercice11v3b(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice11v3b"), Window2Size)
{
    setWindowTitle(QStringLiteral("exercice11v3b"));
    // The tray's tooltips are the pupil's clues: they show even before the window is activated.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    Image1 = new PictureBox(QStringLiteral("Texercice11v3b/Image1"), QStringLiteral("Image1"),
                            QRect(QPoint(0, 0), Window2Size), this);
    Image2 = new PictureBox(QStringLiteral("Texercice11v3b/Image2"), QStringLiteral("Image2"), TrayArea2, this);
    for (int n = 1; n <= 15; ++n) {
        HotSpot *zone = new HotSpot(QString::fromLatin1(ZoneNames[n - 1]),
                                    Tray::zone(n).translated(TrayArea2.topLeft()), this);
        zone->setHint(n == AntivirusZone ? antivirusHint()
                      : n == ClockZone   ? clockHint()
                                         : QString::fromUtf8(ZoneHints[n - 1]));
        zones[n - 1] = zone;
    }
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (const QString &caption : AntivirusMenu)
        caption.isEmpty() ? PopupMenu1->addSeparator() : PopupMenu1->addAction(caption);
    connect(PopupMenu1, &QMenu::triggered, this, &Texercice11v3b::antivirusItemClick);
    connect(zones[AntivirusZone - 1], &HotSpot::rightClicked, this, &Texercice11v3b::ZS10ContextPopup);

    Image3 = new PictureBox(QStringLiteral("Texercice11v3b/Image3"), QStringLiteral("Image3"), PrudenceLayout::Image3, this);
    Image3->hide();
    InstructionBubble *bubble = placeBubble(Window2Mascot, Window2Bubble);
    Label2 = bubble->addLabel(QStringLiteral("Label2"), Window2Label, AntivirusQuestion);
    Button1 = place(new QPushButton(QStringLiteral("Oui"), this), "Button1", Window2Yes);
    Button2 = place(new QPushButton(QStringLiteral("Non"), this), "Button2", Window2No);
    buildGroups();
    placeAbandon(QStringLiteral("BitBtn20"), Window2Abandon);

    connect(Button1, &QPushButton::clicked, this, &Texercice11v3b::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Texercice11v3b::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &Texercice11v3b::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &Texercice11v3b::Button4Click);
}

void Texercice11v3b::buildGroups()
{
    GroupBox1 = place(new QGroupBox(QStringLiteral("Date"), this), "GroupBox1", DateGroup);
    Edit1 = spinField("Edit1", DayField, 1, 31, 1, GroupBox1);
    Edit2 = spinField("Edit2", MonthField, 1, 12, 1, GroupBox1);
    Edit3 = spinField("Edit3", YearField, 2000, 2099, 2008, GroupBox1);
    Button3 = place(new QPushButton(QStringLiteral("Valider"), GroupBox1), "Button3", GroupValidate);
    GroupBox1->hide();

    GroupBox2 = place(new QGroupBox(QStringLiteral("Heure"), this), "GroupBox2", HourGroup);
    Edit4 = spinField("Edit4", HourField, 0, 23, 12, GroupBox2);
    auto *word = place(new QLabel(QStringLiteral("heure"), GroupBox2), "Label3", HourWord);
    word->setAlignment(Qt::AlignCenter);
    Edit5 = spinField("Edit5", MinuteField, 0, 59, 0, GroupBox2);
    Button4 = place(new QPushButton(QStringLiteral("Valider"), GroupBox2), "Button4", GroupValidate);
    GroupBox2->hide();
    for (QGroupBox *group : {GroupBox1, GroupBox2})
        group->setStyleSheet(QStringLiteral("QGroupBox { background: white; font-weight: bold; }"));
}

QAction *Texercice11v3b::antivirusItem(const QString &caption) const
{
    for (QAction *a : PopupMenu1->actions())
        if (a->text() == caption)
            return a;
    return nullptr;
}

void Texercice11v3b::ZS10ContextPopup() { PopupMenu1->popup(QCursor::pos()); }

void Texercice11v3b::antivirusItemClick(QAction *item)
{
    // Before the hour is asked, the antivirus's menu leads nowhere.
    if (m_step != Step::Hour)
        return;
    if (item->text() == AntivirusMenu[3])
        Image3->show();
    else
        session()->wrong(CommonTexts::WrongWay);
}

void Texercice11v3b::Button2Click() { session()->wrong(CommonTexts::WrongWay); }

void Texercice11v3b::Button1Click()
{
    Label2->setText(DateInstruction);
    Button1->hide();
    Button2->hide();
    GroupBox1->show();
    m_step = Step::Date;
}

void Texercice11v3b::Button3Click()
{
    // The date is judged by its day, month and year numbers, whatever the system's
    // date order; a day that does not exist (31 February) is simply a wrong date.
    const QDate entered(numberIn(Edit3), numberIn(Edit2), numberIn(Edit1));
    if (!entered.isValid() || entered != Clock::today()) {
        session()->wrong(WrongDate);
        return;
    }
    GroupBox1->hide();
    GroupBox2->show();
    Label2->setText(HourInstruction);
    m_step = Step::Hour;
}

void Texercice11v3b::Button4Click()
{
    if (Edit4->text() != QString::number(UpdateHour) || Edit5->text() != QString::number(UpdateMinute)) {
        session()->wrong(WrongHour);
        return;
    }
    session()->handOver(this, session()->window<Texercice11v3c>());
}
