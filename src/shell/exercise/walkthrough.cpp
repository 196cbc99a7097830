#include "shell/exercise/walkthrough.h"

#include <QMap>

namespace Walkthrough {
namespace {
QMap<int, Builder> &builders()
{
    static QMap<int, Builder> table;
    return table;
}

Step aimed(const QString &name, Gesture gesture, const Target &target)
{
    Step s;
    s.name = name;
    s.gesture = gesture;
    s.target = target;
    return s;
}

// The text to type, or the entry to choose or open.
Step withText(Step step, const QString &text)
{
    step.text = text;
    return step;
}
}

Target on(const QString &window, const QString &control, const QRect &rect) { return Target{window, control, rect}; }
Target at(const QString &window, const QRect &rect) { return Target{window, QString(), rect}; }

Step click(const QString &name, const Target &target) { return aimed(name, Gesture::Click, target); }
Step doubleClick(const QString &name, const Target &target) { return aimed(name, Gesture::DoubleClick, target); }
Step rightClick(const QString &name, const Target &target) { return aimed(name, Gesture::RightClick, target); }
Step hover(const QString &name, const Target &target) { return aimed(name, Gesture::Hover, target); }

Step drag(const QString &name, const Target &from, const Target &to)
{
    Step s = aimed(name, Gesture::Drag, from);
    s.to = to;
    return s;
}

Step type(const QString &name, const Target &field, const QString &text)
{
    return withText(aimed(name, Gesture::Type, field), text);
}

Step key(const QString &name, const QString &window, int key, Qt::KeyboardModifiers modifiers)
{
    Step s = aimed(name, Gesture::Key, Target{window, QString(), QRect()});
    s.key = key;
    s.modifiers = modifiers;
    return s;
}

Step chooseEntry(const QString &name, const Target &control, const QString &entry)
{
    return withText(aimed(name, Gesture::ChooseEntry, control), entry);
}

Step openEntry(const QString &name, const Target &control, const QString &entry)
{
    return withText(aimed(name, Gesture::OpenEntry, control), entry);
}

Steps unfoldFolder(const QString &window, const QString &tree, const QString &folder)
{
    return {chooseEntry(QStringLiteral("Sélectionne le dossier ") + folder, on(window, tree), folder),
            key(QStringLiteral("Ouvre le dossier ") + folder, window, Qt::Key_Right)};
}

Step chooseMenu(const QString &name, const QString &window, const QStringList &path)
{
    Step s = aimed(name, Gesture::ChooseMenu, Target{window, QString(), QRect()});
    s.path = path;
    return s;
}

Step answer(const QString &name, const QString &button)
{
    Step s = aimed(name, Gesture::Answer, Target());
    s.text = button;
    return s;
}

void add(int competence, Builder builder) { builders().insert(competence, std::move(builder)); }
bool has(int competence) { return builders().contains(competence); }

Steps of(int competence)
{
    const auto it = builders().constFind(competence);
    return it == builders().constEnd() ? Steps() : (*it)();
}

Steps withoutMistakes(const Steps &steps)
{
    Steps out;
    for (const Step &s : steps)
        if (!s.mistake)
            out << s;
    return out;
}

QList<int> competences() { return builders().keys(); }

QString plainCaption(const QString &caption)
{
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&'))
                out += caption.at(++i);
            continue;
        }
        out += caption.at(i);
    }
    return out;
}
}
