#pragma once
#include "shell/exercise/exercisescreen.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/hotspot.h"

#include <QList>

class PictureBox;
class QLineEdit;

// A screen of the library catalogue: its screenshot, the instruction bubble under
// the catalogue and the Abandon button.
class CatalogueScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    // Where the bubble lies: under the catalogue, under the record, or in the answer panel.
    enum class Bubble { UnderCatalogue, UnderRecord, InAnswerPanel };
    CatalogueScreen(ExerciseSession *session, const QString &name, const QString &instruction,
                    Bubble bubble = Bubble::UnderCatalogue);

protected:
    // A hot spot over the screenshot, connected to a handler.
    template <class Handler>
    HotSpot *spot(const char *name, const QRect &rect, Handler handler);
    HotSpot *spot(const char *name, const QRect &rect);
    // An edit field over a field the screenshot draws, or a field of its own.
    QLineEdit *field(const char *name, const QRect &rect, bool drawnBelow = true);
    // The bubble of the result list, laid over its lime panel.
    void placeAnswerBubble(const QString &instruction);
    void wrongRoute();
    void wrongMethod();

    PictureBox *Image1;
};

// One of the three search tabs. Changing tab empties the search fields of all three
// tabs, shows the chosen one and hides this one. The tabs switch together to the
// second question once the author has been found.
class CatalogueTab : public CatalogueScreen
{
    Q_OBJECT
public:
    using CatalogueScreen::CatalogueScreen;

    // Every search tab of the session.
    static QList<CatalogueTab *> tabsOf(ExerciseSession *session);
    // Asks the second question on every tab.
    static void askSecondQuestion(ExerciseSession *session);

    bool secondQuestion() const { return m_secondQuestion; }
    QLineEdit *searchField() const { return Edit1; }

protected:
    // Shows the tab of that class in place of this one.
    template <class Tab>
    void openTab();
    // What a tab does when it is left (the thematic tab folds its restrictions).
    virtual void leaving() {}
    virtual void enterSecondQuestion() = 0;

    QLineEdit *Edit1 = nullptr;

private:
    void switchTo(CatalogueTab *to);
    bool m_secondQuestion = false;
};

template <class Handler>
HotSpot *CatalogueScreen::spot(const char *name, const QRect &rect, Handler handler)
{
    HotSpot *s = spot(name, rect);
    connect(s, &HotSpot::clicked, this, handler);
    return s;
}

template <class Tab>
void CatalogueTab::openTab()
{
    switchTo(session()->window<Tab>());
}
