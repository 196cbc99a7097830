#include "exercises/domain3/find_replace/u15v3.h"

#include "dialogs/urechercherremplacerv3.h"
#include "exercises/domain3/find_replace/layout.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/fittedfont.h"
#include "widgets/hotspot.h"
#include "widgets/picturebox.h"
#include "widgets/richoffsets.h"

#include <QLabel>
#include <QTextCursor>
#include <QTextEdit>

using namespace FindReplaceLayout;

namespace {
const QString FirstInstruction =
    QStringLiteral("Clique sur l'icone qui permet de rechercher et remplacer des mots dans un document");
const QString ToolInstruction = QStringLiteral("Utilise cet outil pour changer automatiquement dans ce document ");
const QString ColourInstruction =
    QStringLiteral("la couleur noir en rouge des mots \"Police\" (avec la majuscule !)");
const QString Word = QStringLiteral("Police");
}

Texercice15v3::Texercice15v3(ExerciseSession *session)
    : ExerciseScreen(session, QStringLiteral("Texercice15v3"), WindowSize)
{
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);
    Image1 = new PictureBox(QStringLiteral("Texercice15v3/Image1"), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(FindReplaceLayout::Image1);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(FindReplaceLayout::RichEdit1);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    // Each line of the document holds on one line of the page, as the pupil compares them.
    QFont sans(QStringLiteral("Arial"));
    sans.setPixelSize(17);
    QStringList lines;
    for (int line = 0; line < 4; ++line)
        lines << paragraphLine(line);
    RichEdit1->document()->setDefaultFont(fittedFont(sans, lines, FindReplaceLayout::RichEdit1.width() - 6));
    RichEdit1->document()->setDocumentMargin(0);

    zs1 = new HotSpot(this);
    zs1->setObjectName(QStringLiteral("zs1"));
    zs1->setGeometry(FindReplaceLayout::zs1);
    connect(zs1, &HotSpot::clicked, this, &Texercice15v3::zs1Click);

    placeBubble(Mascot, BubbleShape);
    Label3 = instructionLabel(QStringLiteral("Label3"), FindReplaceLayout::Label3, FirstInstruction);
    Label4 = instructionLabel(QStringLiteral("Label4"), FindReplaceLayout::Label4, QString());
    Label4->hide();
    placeAbandon(QStringLiteral("BitBtn20"), AbandonButton);
}

void Texercice15v3::FormShow()
{
    ExerciseScreen::FormShow();
    fillDocument();
}

void Texercice15v3::fillDocument()
{
    QStringList lines;
    for (int p = 0; p < ParagraphCount; ++p) {
        if (p > 0)
            lines << QString();
        for (int line = 0; line < 4; ++line)
            lines << paragraphLine(line);
    }
    RichEdit1->setPlainText(lines.join(QLatin1Char('\n')));
}

void Texercice15v3::zs1Click()
{
    zs1->hide();   // the tool opens once per run
    Label3->setText(ToolInstruction);
    Label4->setText(ColourInstruction);
    Label4->show();
    m_step = Step::DialogOpen;
    m_dialog = new TUrechercherv3(
        this, [this](const QString &s, const QString &r, bool c, bool w) { return judge(s, r, c, w); },
        [this](const QString &text) { session()->wrong(text); });
    session()->adopt(m_dialog);   // it closes with the exercise, whatever ends it
    connect(m_dialog, &QDialog::finished, this, [this] {
        if (m_step == Step::DialogOpen)
            m_step = Step::DeadEnd;
    });
    m_dialog->showOverOwner();
}

bool Texercice15v3::acceptable(const QString &search, const QString &replace, bool matchCase, bool wholeWords)
{
    return search == Word && replace == Word && matchCase && wholeWords;
}

bool Texercice15v3::judge(const QString &search, const QString &replace, bool matchCase, bool wholeWords)
{
    if (!acceptable(search, replace, matchCase, wholeWords))
        return false;
    recolourPolice();
    m_step = Step::LookingForTheTool;
    // The box, then the dialog and the window close and the competence is recorded.
    SuccessTexts texts;
    texts.label.clear();
    session()->succeed(Label3, texts);
    return true;
}

// The three capitalised words of the unedited text turn bold red, whatever text
// now stands at their offsets.
void Texercice15v3::recolourPolice()
{
    QTextCharFormat boldRed;
    boldRed.setForeground(QColor(255, 0, 0));
    boldRed.setFontWeight(QFont::Bold);
    boldRed.setFontItalic(false);
    boldRed.setFontUnderline(false);
    boldRed.setFontStrikeOut(false);
    for (int offset : PoliceOffsets) {
        QTextCursor range = RichOffsets::select(RichEdit1->document(), offset, PoliceLength);
        range.mergeCharFormat(boldRed);
    }
    RichEdit1->setTextCursor(RichOffsets::select(RichEdit1->document(), PoliceOffsets[ParagraphCount - 1], 0));
}

namespace {
const ExerciseRegistry::Registrar registration(FindReplaceLayout::Competence,
                                                 ExerciseSession::launcher<Texercice15v3>(FindReplaceLayout::Competence));
}
