// The collective production exercise (competence 2.7), played by the pupil robot.
#include "support/exercisefixture.h"

#include "exercises/domain2/collective_production/layout.h"
#include "exercises/domain2/collective_production/u13v3.h"
#include "exercises/domain2/collective_production/u13v3a.h"
#include "exercises/domain2/collective_production/u13v3c.h"
#include "exercises/domain2/collective_production/u13v3d.h"
#include "exercises/domain2/collective_production/u13v3e.h"
#include "exercises/domain2/collective_production/u13v3f.h"
#include "records/clock.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/choicecombo.h"
#include "widgets/instructionbubble.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace CollectiveLayout;
using MessageBox::Kind;

namespace {

class CollectiveProductionExercise : public ExerciseFixture
{
protected:
    CollectiveProductionExercise() : ExerciseFixture(Competence) {}

    void SetUp() override
    {
        ExerciseFixture::SetUp();
        Clock::setFixedDate(QDate(2026, 12, 9));
    }
    void TearDown() override
    {
        Clock::setFixedDate(QDate());
        ExerciseFixture::TearDown();
    }

    template <class W = QWidget>
    W *window() const
    {
        return qobject_cast<W *>(PupilRobot::topWindow());
    }
    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        QWidget *w = window();
        return w ? w->findChild<T *>(name) : nullptr;
    }
    QString label(const QString &name = QStringLiteral("consigne3")) const { return labelText(window(), name); }
    static QString shown(const QString &text) { return InstructionBubble::displayText(text); }
    void follow() { robot.setWindow(window()); }

    void start()
    {
        launch();
        ASSERT_TRUE(window<Texercice13v3>());
        follow();
    }
    // Opens the list with the mouse and picks the entry.
    void choose(ChoiceCombo *combo, const QString &entry)
    {
        ASSERT_TRUE(combo && combo->isVisible());
        robot.click(combo->mapTo(window(), QPoint(combo->width() - 8, combo->height() / 2)));
        QAbstractItemView *view = combo->view();
        ASSERT_TRUE(view->isVisible()) << combo->objectName().toStdString() << " did not open";
        view->setCurrentIndex(view->model()->index(combo->findText(entry), 0));
        QTest::keyClick(view, Qt::Key_Return);
        QApplication::processEvents();
    }
    // Types text as keys, accented letters included.
    void typeInto(const QString &field, const QString &text)
    {
        auto *edit = control<QLineEdit>(field);
        ASSERT_TRUE(edit && edit->isVisible()) << field.toStdString();
        robot.click(edit);
        for (QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(edit, &press);
        }
    }
    void completeSentence()
    {
        auto *first = window<Texercice13v3>();
        for (int i = 0; i < 4; ++i)
            choose(first->sentenceList(i), SentenceAnswers[i]);
        robot.click(QStringLiteral("Button1"));
    }
    void matchDefinitions()
    {
        choose(window<Texercice13v3>()->ComboBoxEx1, Wikis);
        robot.click(QStringLiteral("Button2"));
        ASSERT_TRUE(window<Texercice13v3a>());
        follow();
    }
    void logIn(const QString &login = Account, const QString &password = Password)
    {
        robot.click(PrivateLink.center());
        typeInto(QStringLiteral("Edit1"), login);
        typeInto(QStringLiteral("Edit2"), password);
        robot.click(LoginButton.center());
    }
    void openEditor()
    {
        ASSERT_TRUE(window<Texercice13v3c>());
        follow();
        robot.click(RubricLink.center());
        robot.click(NewArticleButton.center());
        ASSERT_TRUE(window<Texercice13v3d>());
        follow();
    }
    void writeArticle(const QString &title = ArticleTitle, const QString &text = ArticleText)
    {
        typeInto(QStringLiteral("Edit1"), title);
        typeInto(QStringLiteral("Edit2"), text);
        robot.click(SaveButton.center());
    }
    void reachFinalWindow()
    {
        completeSentence();
        matchDefinitions();
        logIn();
        openEditor();
        writeArticle();
        ASSERT_TRUE(window<Texercice13v3e>());
        follow();
        robot.click(PublishButton.center());
        ASSERT_TRUE(window<Texercice13v3f>());
        follow();
    }
    void timerFires() { QMetaObject::invokeMethod(window<Texercice13v3f>(), "Timer1Timer"); }
};

TEST_F(CollectiveProductionExercise, PerfectRunEndsByItselfSixSecondsAfterTheFinalWindow)
{
    start();
    EXPECT_EQ(label(), shown(SentenceInstruction));
    EXPECT_FALSE(control(QStringLiteral("Memo1"))->isVisible());
    completeSentence();
    EXPECT_EQ(label(), DefinitionsInstruction);
    EXPECT_FALSE(control(QStringLiteral("Button1"))->isVisible());
    EXPECT_FALSE(window<Texercice13v3>()->sentenceList(0)->isEnabled());
    matchDefinitions();
    EXPECT_EQ(label(), HomeInstruction);
    EXPECT_EQ(label(QStringLiteral("Label1")), HomeSecondLine);
    EXPECT_FALSE(control(QStringLiteral("Edit1"))->isVisible());
    robot.click(PrivateLink.center());
    EXPECT_EQ(label(), QStringLiteral("Utilise le compte eleve1 (mot de passe : mor284)"));
    EXPECT_EQ(label(QStringLiteral("Label1")), LoginSecondLine);
    EXPECT_FALSE(control<QCheckBox>(QStringLiteral("CheckBox1"))->isChecked());
    typeInto(QStringLiteral("Edit1"), Account);
    typeInto(QStringLiteral("Edit2"), Password);
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Edit2"))->echoMode(), QLineEdit::Normal);
    robot.click(LoginButton.center());
    ASSERT_TRUE(window<Texercice13v3c>());
    EXPECT_EQ(window()->height(), 806);
    EXPECT_EQ(label(), shown(RubricInstruction));
    openEditor();
    EXPECT_EQ(label(), EditorInstruction);
    EXPECT_EQ(label(QStringLiteral("Label1")), EditorSecondLine);
    typeInto(QStringLiteral("Edit3"), QStringLiteral("n'importe quoi"));
    writeArticle();
    ASSERT_TRUE(window<Texercice13v3e>());
    follow();
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Edit3"))->text(), QStringLiteral("09/12/2026"));
    robot.click(PublishButton.center());
    ASSERT_TRUE(window<Texercice13v3f>());
    follow();
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("09/12/2026"));
    EXPECT_FALSE(control(QStringLiteral("BitBtn20"))->isVisible()) << "the last window cannot be abandoned";
    QElapsedTimer clock;
    clock.start();
    qint64 waited = 0;
    QString labelDuringBox;
    boxes.expect(Kind::Information, QStringLiteral("Bravo exercice réussi !")).onNext([&](const MessageBox::Box &) {
        waited = clock.elapsed();
        labelDuringBox = label();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.count() == 1; }, 9000));
    EXPECT_GE(waited, 5900);
    EXPECT_EQ(labelDuringBox, QStringLiteral("Bravo, exercice réussi !"));
    expectBoardBack();
    expectRecorded();
}

TEST_F(CollectiveProductionExercise, TheSentenceNeedsItsFourEntriesInOrder)
{
    start();
    auto *first = window<Texercice13v3>();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(first->sentenceList(i)->currentText(), SentencePrompt);
        EXPECT_EQ(first->sentenceList(i)->maxVisibleItems(), 2);
        EXPECT_EQ(first->sentenceList(i)->count(), 4);
    }
    // Two lists swapped.
    choose(first->sentenceList(0), QStringLiteral("grand"));
    choose(first->sentenceList(1), QStringLiteral("collectives"));
    choose(first->sentenceList(2), QStringLiteral("importants"));
    choose(first->sentenceList(3), QStringLiteral("spécialisés"));
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    robot.click(QStringLiteral("Button1"));
    EXPECT_FALSE(control(QStringLiteral("Memo1"))->isVisible());
    // A word typed whole into a list is that entry; another word is none.
    choose(first->sentenceList(1), QStringLiteral("grand"));
    QLineEdit *typed = first->sentenceList(0)->lineEdit();
    const auto typeAndValidate = [&](const QString &word) {
        robot.click(typed);
        typed->selectAll();
        robot.type(word, typed);
        EXPECT_EQ(first->sentenceList(0)->currentText(), word);
        robot.click(QStringLiteral("Button1"));
    };
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    typeAndValidate(QStringLiteral("collectif"));
    typeAndValidate(QStringLiteral("collectives"));
    EXPECT_EQ(first->session()->errorCount(), 2);
    EXPECT_TRUE(control(QStringLiteral("Memo1"))->isVisible());
    EXPECT_EQ(label(), DefinitionsInstruction);
}

TEST_F(CollectiveProductionExercise, TheSecondListFollowsTheFirstButOnlyTheFirstIsJudged)
{
    start();
    completeSentence();
    auto *first = window<Texercice13v3>();
    EXPECT_EQ(first->ComboBoxEx1->placeholderText(), DefinitionPrompt);
    choose(first->ComboBoxEx1, Blogs);
    EXPECT_EQ(first->ComboBoxEx2->currentText(), Wikis);
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    robot.click(QStringLiteral("Button2"));
    EXPECT_TRUE(window<Texercice13v3>());
    choose(first->ComboBoxEx1, Wikis);
    EXPECT_EQ(first->ComboBoxEx2->currentText(), Blogs);
    // The second list changed by hand to the wrong name: still accepted.
    choose(first->ComboBoxEx2, Wikis);
    robot.click(QStringLiteral("Button2"));
    EXPECT_TRUE(window<Texercice13v3a>());
    EXPECT_EQ(boxes.count(), 1);
}

TEST_F(CollectiveProductionExercise, LoginAndArticleAreComparedExactly)
{
    start();
    completeSentence();
    matchDefinitions();
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    logIn(QStringLiteral("Eleve1"));
    EXPECT_TRUE(window<Texercice13v3a>()) << "a capital letter is refused";
    control<QLineEdit>(QStringLiteral("Edit1"))->clear();
    control<QLineEdit>(QStringLiteral("Edit2"))->clear();
    typeInto(QStringLiteral("Edit1"), Account);
    typeInto(QStringLiteral("Edit2"), Password + QLatin1Char(' '));
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    robot.click(LoginButton.center());
    control<QLineEdit>(QStringLiteral("Edit2"))->clear();
    typeInto(QStringLiteral("Edit2"), Password);
    robot.click(LoginButton.center());
    openEditor();
    boxes.expect(Kind::Error, QStringLiteral("Fausse route !"));
    writeArticle(ArticleTitle, ArticleText + QLatin1Char('.'));
    EXPECT_TRUE(window<Texercice13v3d>()) << "a trailing full stop is refused";
    auto *text = control<QLineEdit>(QStringLiteral("Edit2"));
    text->backspace();
    robot.click(SaveButton.center());
    ASSERT_TRUE(window<Texercice13v3e>());
    follow();
    robot.click(PublishButton.center());
    ASSERT_TRUE(window<Texercice13v3f>());
    follow();
    QString labelDuringBox;
    boxes.expect(Kind::Error, QStringLiteral("Exercice non maîtrisé !"))
        .onNext([&](const MessageBox::Box &) { labelDuringBox = label(); });
    timerFires();
    EXPECT_EQ(labelDuringBox, QStringLiteral("Il faudra recommencer : 3 erreur(s)"));
    expectBoardBack();
    expectNothingRecorded();
}

TEST_F(CollectiveProductionExercise, TheFinalWindowWaitsSixSecondsAndAltF4StopsItsTimer)
{
    start();
    reachFinalWindow();
    auto *timer = window<Texercice13v3f>()->Timer1;
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 6000);
    EXPECT_TRUE(timer->isSingleShot());
    QPointer<QTimer> watched(timer);
    robot.closeWindow();
    expectBoardBack();
    expectNothingRecorded();
    EXPECT_TRUE(watched.isNull()) << "the timer died with its window";
    EXPECT_EQ(boxes.count(), 0) << "no verdict after Alt+F4";
}

TEST_F(CollectiveProductionExercise, AbandonAtEveryWindowBringsTheBoardBack)
{
    const auto abandonAfter = [this](const std::function<void()> &reach) {
        start();
        reach();
        ASSERT_TRUE(control(QStringLiteral("BitBtn20")) && control(QStringLiteral("BitBtn20"))->isVisible());
        robot.click(QStringLiteral("BitBtn20"));
        expectBoardBack();
        expectNothingRecorded();
    };
    abandonAfter([] {});
    abandonAfter([this] { completeSentence(); });
    abandonAfter([this] { completeSentence(); matchDefinitions(); });
    abandonAfter([this] { completeSentence(); matchDefinitions(); robot.click(PrivateLink.center()); });
    abandonAfter([this] { completeSentence(); matchDefinitions(); logIn(); follow(); });
    abandonAfter([this] { completeSentence(); matchDefinitions(); logIn(); openEditor(); });
    abandonAfter([this] { completeSentence(); matchDefinitions(); logIn(); openEditor(); writeArticle(); follow(); });
    // The close box of a middle window too.
    start();
    completeSentence();
    matchDefinitions();
    robot.closeWindow();
    expectBoardBack();
    EXPECT_EQ(boxes.count(), 0);
}
}
