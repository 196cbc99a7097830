#include "shell/tform1.h"
#include "pictures/fonts.h"

#include "administration/tadmin.h"
#include "administration/tadminiden.h"
#include "pictures/pictures.h"
#include "records/clock.h"
#include "records/datafolder.h"
#include "records/frenchorder.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"
#include "shell/competencecatalogue.h"
#include "shell/exercise/exerciseregistry.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/messagebox.h"
#include "widgets/namelist.h"
#include "widgets/placement.h"
#include "widgets/passwordfield.h"
#include "shell/tidentification.h"
#include "shell/tu_motpasseeleve.h"
#include "widgets/windowplacement.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>

namespace {
const QColor HomeColour(0xD0, 0xC6, 0x3E);
const QColor BoardColour(0x76, 0x7C, 0x98);
const QColor Navy(0, 0, 128);
constexpr int TitleLeftOnBoard = 568;
constexpr int VersionLeftOnBoard = 704;
constexpr int TitleLeftAtHome = 336;
constexpr int VersionLeftAtHome = 472;
constexpr int ButtonTops[12] = {0, 41, 82, 123, 163, 204, 245, 286, 327, 368, 409, 449};
constexpr int ResultTops[12] = {8, 49, 90, 131, 172, 213, 254, 295, 336, 377, 418, 459};

QFont makeFont(const QString &family, int pixels, bool bold = false, bool italic = false)
{
    return pixelFont(family, pixels, FontStyle{bold, italic});
}

QFont comic(int pixels) { return makeFont(QStringLiteral("Comic Sans MS"), pixels); }

// The code label's hint is the statement with a doubled final full stop made single.
QString codeHint(QString statement)
{
    if (statement.endsWith(QLatin1String("..")) && !statement.endsWith(QLatin1String("...")))
        statement.chop(1);
    return statement;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &rect, const QFont &f)
{
    auto *l = place(new QLabel(text, parent), name, rect);
    l->setFont(f);
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QRect &rect, int pixels,
                    const QString &picture = QString())
{
    auto *b = place(new QPushButton(text, parent), name, rect);
    b->setFont(comic(pixels));
    if (!picture.isEmpty()) {
        const QPixmap pm = Pictures::get(picture);
        if (!pm.isNull()) {
            b->setIcon(QIcon(pm));
            b->setIconSize(pm.deviceIndependentSize().toSize());
        }
    }
    return b;
}

// The board's flat competence button: the sphere while not acquired, nothing once acquired.
class CompetenceButton : public QPushButton
{
public:
    using QPushButton::QPushButton;
    void setSphere(bool shown) { m_sphere = shown; update(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!m_sphere)
            return;
        QPainter p(this);
        p.drawPixmap(0, 0, Pictures::get(QStringLiteral("Tform1/sour2")));
    }

private:
    bool m_sphere = true;
};

// The white rounded speech bubble behind the welcome text.
class Bubble : public QFrame
{
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 16, 16);
    }
};
}

Tform1::Tform1()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("form1"));
    setWindowTitle(initialCaption());
    setFixedSize(792, 576);
    setFont(makeFont(QStringLiteral("Lucida Sans"), 11, false, true));
    setAutoFillBackground(true);
    centreOnScreen(this);
    buildBoard();
    buildHome();
    buildSelection();
    setColour(HomeColour);
}

void Tform1::buildHome()
{
    const QString yellow = QStringLiteral("background: rgb(255, 255, 128); color: green;");
    Label4 = label(this, QStringLiteral("Label4"), QStringLiteral("TAVELO "), QRect(TitleLeftOnBoard, 8, 129, 38),
                   makeFont(QStringLiteral("Lydian"), 32, false, true));
    Label4->setStyleSheet(yellow);
    Label8 = label(this, QStringLiteral("Label8"), QStringLiteral("V3.2"), QRect(VersionLeftOnBoard, 16, 49, 25),
                   makeFont(QStringLiteral("Arial"), 19, true));
    Label8->setStyleSheet(yellow);
    button2 = button(this, QStringLiteral("button2"), QStringLiteral("       élève"), QRect(328, 175, 161, 49), 15, QStringLiteral("Tform1/button2"));
    button4 = button(this, QStringLiteral("button4"), QStringLiteral(" administrateur"), QRect(328, 271, 161, 49), 15, QStringLiteral("Tform1/button2"));
    fin = button(this, QStringLiteral("fin"), QStringLiteral("Au revoir..."), QRect(360, 544, 113, 25), 13, QStringLiteral("Tform1/fin"));
    connect(button2, &QPushButton::clicked, this, &Tform1::button2Click);
    connect(button4, &QPushButton::clicked, this, &Tform1::button4Click);
    connect(fin, &QPushButton::clicked, this, &Tform1::finClick);
}

void Tform1::buildSelection()
{
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("Je ne suis pas encore inscrit :"), QRect(176, 96, 181, 18), comic(13));
    Button1 = button(this, QStringLiteral("Button1"), QStringLiteral("inscription"), QRect(352, 96, 97, 25), 13);
    Label2 = label(this, QStringLiteral("Label2"),
                   QStringLiteral("Cliquez sur votre nom, puis sur la personne qui valide vos compétences aujourd'hui."),
                   QRect(96, 208, 537, 25), comic(13));
    Label2->setAlignment(Qt::AlignCenter);
    const QFont listFont = makeFont(QStringLiteral("Lucida Sans"), 12, false, true);
    combobox2 = place(new NameList(this), QStringLiteral("combobox2"), QRect(40, 256, 161, 137));
    ListBox1 = place(new NameList(this), QStringLiteral("ListBox1"), QRect(464, 248, 153, 137));
    for (NameList *list : {combobox2, ListBox1}) {
        list->setFont(listFont);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        // Arrow keys change the selection; a click, even on the entry already
        // selected, checks both lists again.
        connect(list, &QListWidget::itemSelectionChanged, this, &Tform1::listClicked);
        connect(list, &QListWidget::clicked, this, &Tform1::listClicked);
    }
    Label7 = label(this, QStringLiteral("Label7"), QStringLiteral("MOT DE PASSE :"), QRect(280, 288, 153, 25),
                   makeFont(QStringLiteral("Comic Sans MS"), 15, false, true));
    Label7->setAlignment(Qt::AlignCenter);
    edit1 = place(new QLineEdit(this), QStringLiteral("edit1"), QRect(296, 320, 121, 22));
    makePasswordField(edit1);
    CheckBox1 = place(new QCheckBox(QStringLiteral("Changer de Mot de passe"), this), QStringLiteral("CheckBox1"), QRect(280, 352, 161, 17));
    Button3 = button(this, QStringLiteral("Button3"), QStringLiteral("Entrez !"), QRect(288, 376, 137, 33), 15);
    Button5 = button(this, QStringLiteral("Button5"), QStringLiteral("Menu général"), QRect(360, 509, 113, 25), 13);
    connect(edit1, &QLineEdit::textEdited, CheckBox1, &QWidget::show);
    connect(edit1, &QLineEdit::returnPressed, this, &Tform1::Button3Click);
    connect(Button1, &QPushButton::clicked, this, &Tform1::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &Tform1::Button3Click);
    connect(Button5, &QPushButton::clicked, this, &Tform1::Button5Click);
    for (QWidget *w : std::initializer_list<QWidget *>{Label3, Button1, Label2, combobox2, ListBox1, Label7, edit1, CheckBox1, Button3, Button5})
        w->hide();
}

void Tform1::buildBoard()
{
    // A recorded competence hides its button at once; the show handling refreshes the rest.
    connect(&ExerciseSession::announcer(), &ExerciseAnnouncer::started, this, [this](ExerciseSession *session) {
        connect(session, &ExerciseSession::competenceRecorded, this, [this](int n) {
            if (n >= 1 && n <= int(ex.size()))
                ex[n - 1]->hide();
        });
    });
    for (int n = 1; n <= CompetenceCount; ++n) {
        const CompetenceRow &row = CompetenceCatalogue::row(n);
        const int column = n <= 12 ? 0 : (n <= 24 ? 1 : 2);
        const int k = n - 1 - column * 12;
        const int left = column == 0 ? (n == 5 ? 1 : 0) : (column == 1 ? 180 : 360);
        auto *b = place(new CompetenceButton(this), QStringLiteral("ex%1").arg(n), QRect(left, ButtonTops[k], 41, 41));
        b->setFlat(true);
        b->setCursor(Qt::PointingHandCursor);
        b->setToolTip(row.statement);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, n] { launchCompetence(n); });
        ex[n - 1] = b;
        auto *code = label(this, QStringLiteral("l%1").arg(n), row.code, QRect(left + 8, ButtonTops[k] + 6, 30, 28), comic(19));
        code->setStyleSheet(QStringLiteral("color: navy; background: transparent;"));
        code->setToolTip(codeHint(row.statement));
        code->setCursor(Qt::PointingHandCursor);
        code->installEventFilter(this);
        l[n - 1] = code;
        const int resultLeft = column == 0 ? 48 : (column == 1 ? 228 : 416);
        const int resultTop = n == 21 ? 335 : ResultTops[k];
        auto *result = label(this, QStringLiteral("m%1").arg(n), QString(), QRect(resultLeft, resultTop, 127, 33), comic(11));
        result->setStyleSheet(QStringLiteral("color: navy;"));
        m[n - 1] = result;
        b->hide();
        code->hide();
        result->hide();
    }
    sour2 = place(new QPushButton(this), QStringLiteral("sour2"), QRect(656, 446, 41, 41));
    sour2->setIcon(QIcon(Pictures::get(QStringLiteral("Tform1/sour2"))));
    sour2->setEnabled(false);
    sour2->hide();

    Shape1 = place(new Bubble(this), QStringLiteral("Shape1"), QRect(560, 48, 217, 121));
    Memo1 = place(new QTextEdit(this), QStringLiteral("Memo1"), QRect(568, 54, 201, 107));
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setFont(comic(13));
    Memo1->setStyleSheet(QStringLiteral("QTextEdit { background: white; color: blue; }"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(QStringLiteral("Testez vos connaissances \ninformatiques avec les 29 \nexercices de \"TAVELO\" .\n"
                                       "Si vous n'y arrivez pas tout \nde suite, revenez plus tard !"));
    Memo1->setAlignment(Qt::AlignCenter);
    QTextCursor all(Memo1->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignCenter);
    all.mergeBlockFormat(centred);
    Memo1->viewport()->installEventFilter(this);
    Image1 = place(new QLabel(this), QStringLiteral("Image1"), QRect(586, 168, 177, 200));
    Image1->setPixmap(Pictures::get(QStringLiteral("Tform1/Image1")));
    Image1->setAttribute(Qt::WA_TranslucentBackground);

    Panel1 = place(new QFrame(this), QStringLiteral("Panel1"), QRect(563, 384, 214, 73));
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setStyleSheet(QStringLiteral("QFrame#Panel1 { background: rgb(167, 239, 16); border: 1px solid black; }"));
    Label62 = label(Panel1, QStringLiteral("Label62"), QString(), QRect(8, 8, 193, 17), comic(12));
    ProgressBar1 = place(new QProgressBar(Panel1), QStringLiteral("ProgressBar1"), QRect(8, 40, 193, 17));
    ProgressBar1->setRange(0, CompetenceCount);
    ProgressBar1->setTextVisible(false);

    Panel2 = place(new QFrame(this), QStringLiteral("Panel2"), QRect(0, 495, 800, 113));
    Panel2->setStyleSheet(QStringLiteral("QFrame#Panel2 { background: yellow; }"));
    Label1 = label(Panel2, QStringLiteral("Label1"), QString(), QRect(8, 8, 520, 20), comic(13));
    Label6 = label(Panel2, QStringLiteral("Label6"), QString(), QRect(8, 32, 520, 20), comic(13));
    Label5 = label(Panel2, QStringLiteral("Label5"), QString(), QRect(8, 56, 520, 20), comic(13));
    quitter = button(Panel2, QStringLiteral("quitter"), QStringLiteral("Retour menu"), QRect(544, 27, 89, 25), 13);
    SpeedButton1 = place(new QPushButton(Panel2), QStringLiteral("SpeedButton1"), QRect(712, 15, 49, 49));
    SpeedButton1->setFlat(true);
    SpeedButton1->setIcon(QIcon(Pictures::get(QStringLiteral("Tform1/SpeedButton1"))));
    SpeedButton1->setIconSize(QSize(45, 45));
    connect(quitter, &QPushButton::clicked, this, &Tform1::quitterClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &Tform1::SpeedButton1Click);
    setBoardVisible(false);
}

void Tform1::setColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void Tform1::setBoardVisible(bool visible)
{
    for (QWidget *w : std::initializer_list<QWidget *>{Panel1, Panel2, Shape1, Memo1, Image1})
        w->setVisible(visible);
    for (int i = 0; i < CompetenceCount; ++i) {
        ex[i]->setVisible(visible);
        l[i]->setVisible(visible);
        if (!visible)
            m[i]->hide();
    }
}

// ---- screens ------------------------------------------------------------------------

void Tform1::button2Click()
{
    fin->show();
    Button5->show();
    button4->hide();
    login().recordFolder = DataFolder::recordFolder();
    button2->hide();
    combobox2->show();
    ListBox1->show();
    m_screen = Screen::Selection;
    QStringList teachers;
    const IoStatus status = RecordStore::loadTextList(DataFolder::teacherListPath(), &teachers);
    if (!status.ok()) {
        // The screen stops being built here; "Menu général" still leads home.
        MessageBox::error(status.message() + QStringLiteral(" : profs.txt"), this);
        return;
    }
    FrenchOrder::sort(&teachers);
    ListBox1->clear();
    ListBox1->addItems(teachers);
    Button1->show();
    Label2->show();
    Label3->show();
    Button1->setEnabled(RecordStore::registrationAllowed());
    // A record with an empty name cannot be chosen; it is removed.
    if (QFile::exists(RecordStore::recordPath(QString())))
        RecordStore::deleteRecordFile(QString());
    fillPupilList();
}

void Tform1::fillPupilList()
{
    combobox2->clear();
    combobox2->addItems(RecordStore::listRecordNames());
}

void Tform1::listClicked()
{
    if (combobox2->selectedItems().isEmpty() || ListBox1->selectedItems().isEmpty())
        return;
    Label7->show();
    edit1->show();
    Button3->show();
    // The next letters of a name being typed must not land in the password field.
    if (!combobox2->isTypingAhead() && !ListBox1->isTypingAhead())
        edit1->setFocus();
}

void Tform1::Button5Click()
{
    button2->show();
    button4->show();
    for (QWidget *w : std::initializer_list<QWidget *>{combobox2, ListBox1, edit1, CheckBox1, Button1, Button3, Label2, Label3, Label7, Button5})
        w->hide();
    edit1->clear();
    m_screen = Screen::Home;
}

void Tform1::finClick()
{
    close();
}

void Tform1::Button1Click()
{
    QStringList listed;
    for (int i = 0; i < combobox2->count(); ++i)
        listed << combobox2->item(i)->text();
    auto *registration = new Tidentification(listed);
    connect(registration, &Tidentification::closed, this, &Tform1::registrationClosed);
    registration->show();
}

void Tform1::registrationClosed(bool created)
{
    Button3->hide();
    if (created) {
        show();
        fillPupilList();
    }
}

void Tform1::button4Click()
{
    // Modal: nothing behind it takes a click until it closes, and whatever the
    // console did, its closing brings the home screen back.
    auto *administrator = new Tadminiden(this);
    connect(administrator, &Tadminiden::consoleOpened, this, [this](Tadmin *console) {
        connect(console, &Tadmin::closed, this, &Tform1::showHome);
    });
    administrator->show();
}

void Tform1::SpeedButton1Click()
{
    MessageBox::plain(QStringLiteral("TAVELO  V3.2\n\nEntraînement aux compétences informatiques et internet "
                                     "du certificat Quorvil.\n\nLogiciel libre d'usage dans les établissements scolaires."),
                      this);
}

// ---- login ----------------------------------------------------------------------------

void Tform1::Button3Click()
{
    // Nothing happens unless both a pupil and a teacher are selected.
    if (combobox2->selectedItems().isEmpty() || ListBox1->selectedItems().isEmpty() || !Button3->isVisible())
        return;
    if (CheckBox1->isChecked())
        openPasswordChange();
    else
        logIn();
}

void Tform1::openPasswordChange()
{
    const QString name = combobox2->selectedItems().first()->text();
    login().pupilName = name;
    RecordHeader header;
    const IoStatus status = RecordStore::readRecordHeader(name, &header);
    const QString typed = passwordHash(edit1->text());
    edit1->clear();
    CheckBox1->setChecked(false);
    CheckBox1->hide();
    if (!status.ok()) {
        MessageBox::error(status.message(), this);
        return;
    }
    student().name = header.name;
    student().hash = header.hash;
    student().className = header.className;
    if (typed != header.hash) {
        MessageBox::plain(QStringLiteral("Mauvais mot de passe !"), this);
        return;
    }
    login().pupilPathPrefix = login().recordFolder + name;
    auto *change = new Tu_motpasseeleve(name);
    change->show();
}

void Tform1::logIn()
{
    CheckBox1->setChecked(false);
    CheckBox1->hide();
    Label4->move(TitleLeftOnBoard, Label4->y());
    Label8->move(VersionLeftOnBoard, Label8->y());
    const QString name = combobox2->selectedItems().first()->text();
    RecordHeader header;
    const IoStatus read = RecordStore::readRecordHeader(name, &header);
    if (!read.ok()) {
        MessageBox::error(read.message(), this);
        return;
    }
    if (passwordHash(edit1->text()) != header.hash) {
        MessageBox::plain(QStringLiteral("Mauvais mot de passe !"), this);
        edit1->clear();
        return;
    }
    LoginContext &context = login();
    context.pupilName = name;
    context.recordFolder = DataFolder::recordFolder();
    context.pupilPathPrefix = context.recordFolder + name;
    context.acquiredCount = 0;
    context.validatorName = ListBox1->selectedItems().first()->text();
    context.todayText = Clock::todayText();
    const IoStatus loaded = RecordStore::loadPupilRecord(name);
    if (!loaded.ok()) {
        // The record in memory is nobody's now: nothing may save it over a pupil's file.
        context.pupilName.clear();
        edit1->clear();
        MessageBox::error(loaded.message(), this);
        return;
    }

    edit1->hide();
    edit1->clear();
    Label7->hide();
    setColour(BoardColour);
    Button3->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{combobox2, ListBox1, Button1, Label2, Label3, Button5, fin})
        w->hide();
    setBoardVisible(true);
    Label1->setText(QStringLiteral("Bienvenue ") + name);
    Label5->setText(QStringLiteral("Vous êtes sous la responsabilité de ") + context.validatorName);
    Label6->setText(QStringLiteral("Nous sommes le ") + context.todayText);
    setWindowTitle(initialCaption() + QStringLiteral(" - ") + student().name);
    ProgressBar1->setStyleSheet(QStringLiteral("QProgressBar { background: white; border: 1px solid gray; }"
                                               "QProgressBar::chunk { background: rgb(0, 120, 215); }"));
    m_screen = Screen::Board;
    refreshBoard();
}

// ---- board -----------------------------------------------------------------------------

void Tform1::refreshBoard()
{
    int count = 0;
    for (const CompetenceResult &r : student().results)
        count += r.acquired ? 1 : 0;
    login().acquiredCount = count;
    Label62->setText(QStringLiteral("score : ") + QString::number(count) + QStringLiteral(" / ") + QStringLiteral("29"));
    ProgressBar1->setValue(count);
    for (int i = 0; i < CompetenceCount; ++i) {
        const CompetenceResult &r = student().results[i];
        auto *b = static_cast<CompetenceButton *>(ex[i]);
        if (r.acquired) {
            b->setSphere(false);
            m[i]->setText(QStringLiteral("réussi le ") + r.date + QLatin1Char('\n') + QLatin1Char('(') + r.validator + QLatin1Char(')'));
            m[i]->show();
        } else {
            b->setSphere(true);
        }
    }
}

void Tform1::launchCompetence(int n)
{
    const IoStatus saved = RecordStore::savePupilRecord();
    if (!saved.ok()) {
        MessageBox::error(saved.message(), this);
        return;
    }
    if (!ExerciseRegistry::launch(n, this))
        MessageBox::plain(QStringLiteral("Cet exercice n'est pas encore disponible."), this);
}

void Tform1::quitterClick() { goHome(); }

bool Tform1::goHome()
{
    // The pupil's successes are only in memory until this save. If it fails he
    // is told, then chooses between staying on his board (the disk may come
    // back) and leaving without them.
    const IoStatus saved = RecordStore::savePupilRecord();
    if (!saved.ok()) {
        MessageBox::error(saved.message(), this);
        if (!MessageBox::confirm(QStringLiteral("Vos nouvelles réussites de cette séance n'ont pas pu être enregistrées "
                                                "et seront perdues.\nQuitter sans enregistrer ?"),
                                 this))
            return false;
    }
    showHome();
    return true;
}

void Tform1::showHome()
{
    Label4->move(TitleLeftAtHome, Label4->y());
    Label8->move(VersionLeftAtHome, Label8->y());
    Button3->hide();
    Memo1->hide();
    setColour(HomeColour);
    Shape1->hide();
    Image1->hide();
    ListBox1->hide();
    setBoardVisible(false);
    for (QWidget *w : std::initializer_list<QWidget *>{Button5, Label3, Button1, Label2, combobox2})
        w->hide();
    button2->show();
    button4->show();
    fin->show();
    edit1->clear();
    for (QWidget *w : std::initializer_list<QWidget *>{edit1, Label7, CheckBox1})
        w->hide();
    m_screen = Screen::Home;
}

// ---- window ----------------------------------------------------------------------------

void Tform1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_screen == Screen::Board)
        refreshBoard();
    Button1->setEnabled(RecordStore::registrationAllowed());
    if (QWidget *focused = focusWidget())
        focused->clearFocus();
}

void Tform1::closeEvent(QCloseEvent *event)
{
    // Closing on the board saves the pupil's record first; a failed save keeps the window.
    if (m_screen == Screen::Board && !goHome()) {
        event->ignore();
        return;
    }
    event->accept();
    QApplication::quit();
}

bool Tform1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < CompetenceCount; ++i)
            if (watched == l[i]) {
                launchCompetence(i + 1);
                return true;
            }
        if (watched == Memo1->viewport() && focusWidget())
            focusWidget()->clearFocus();
    }
    return QWidget::eventFilter(watched, event);
}
