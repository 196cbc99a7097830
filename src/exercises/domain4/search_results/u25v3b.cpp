#include "exercises/domain4/search_results/u25v3b.h"

#include "exercises/domain4/search_results/layout.h"
#include "exercises/domain4/search_results/u25v3c.h"
#include "shell/exercise/exercisesession.h"
#include "widgets/picturebox.h"
#include "widgets/picturedrag.h"
#include "widgets/placement.h"

#include <QFrame>

using namespace SearchResultsLayout;

Texercice25v3b::Texercice25v3b(ExerciseSession *session)
    : ResultScreen(session, QStringLiteral("Texercice25v3b"), SortSize)
{
    m_drag = new PictureDrag(this);
    auto picture = [this](const char *name, const QRect &rect) {
        auto *box = new PictureBox(QStringLiteral("Texercice25v3b/") + QString::fromLatin1(name), QString::fromLatin1(name),
                                   rect, this);
        m_drag->addSource(box);
        return box;
    };
    for (int i = 0; i < SnippetCount; ++i)
        m_snippets[i] = picture(Snippets[i].name, Snippets[i].rect);
    for (int t = 0; t < 3; ++t) {
        m_frames[t] = place(new QFrame(this), Targets[t].frameName, Targets[t].frame);
        m_frames[t]->setStyleSheet(QStringLiteral("QFrame { background: rgb(0,255,255); }"));
        m_frames[t]->hide();
        m_targets[t] = picture(Targets[t].name, Targets[t].rect);
    }
    // Resting on the typefaces shows their frame; leaving them hides it.
    connect(m_targets[TypefaceTarget], &HotSpot::entered, this, [this] {
        if (!m_drag->isDragging())
            showFrame(TypefaceTarget);
    });
    connect(m_targets[TypefaceTarget], &HotSpot::left, this, [this] {
        if (!m_drag->isDragging())
            showFrame(-1);
    });
    connect(m_drag, &PictureDrag::dragMoved, this, &Texercice25v3b::dragOver);
    connect(m_drag, &PictureDrag::dropped, this, &Texercice25v3b::dropped);
    finishPage(SortMascot, SortBubble, SortLabel, SortInstruction, SortAbandon);
}

int Texercice25v3b::targetAt(const QPoint &p) const
{
    for (int t = 0; t < 3; ++t)
        if (m_targets[t]->isVisible() && m_targets[t]->geometry().contains(p))
            return t;
    return -1;
}

bool Texercice25v3b::onFrame(const QPoint &p) const
{
    for (const Target &t : Targets)
        if (t.frame.contains(p))
            return true;
    return false;
}

void Texercice25v3b::showFrame(int target)
{
    for (int t = 0; t < 3; ++t)
        m_frames[t]->setVisible(t == target);
}

int Texercice25v3b::snippetOf(HotSpot *source) const
{
    for (int i = 0; i < SnippetCount; ++i)
        if (m_snippets[i] == source)
            return i;
    return -1;
}

void Texercice25v3b::dragOver(HotSpot *, const QPoint &p)
{
    const int target = targetAt(p);
    if (target >= 0)
        showFrame(target);
    else if (onFrame(p))
        showFrame(-1);
}

void Texercice25v3b::dropped(HotSpot *source, const QPoint &p)
{
    const int target = targetAt(p);
    if (target < 0)
        return;
    m_frames[target]->hide();
    const int snippet = snippetOf(source);
    if (snippet < 0 || Snippets[snippet].subject != Targets[target].subject) {
        wrongRoute();
        return;
    }
    source->hide();
    if (++m_sorted == SnippetCount)
        session()->handOver(this, new Texercice25v3c(session()));
}
