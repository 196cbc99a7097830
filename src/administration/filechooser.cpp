#include "administration/filechooser.h"

#include <QFileDialog>
#include <QRegularExpression>
#include <QStandardPaths>

namespace FileChooser {
namespace {
Chooser *g_chooser = nullptr;

class PlatformDialog : public Chooser
{
public:
    QString openFile(QWidget *parent, const QString &filter) override
    {
        const QString chosen = QFileDialog::getOpenFileName(parent, QString(), m_folder, filter);
        remember(chosen);
        return chosen;
    }

    QString saveFile(QWidget *parent, const QString &suggestedName, const QString &filter) override
    {
        QFileDialog dialog(parent, QString(), saveFolder(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        for (const QString &type : dialog.nameFilters())
            if (suffixOfType(type).compare(QFileInfo(suggestedName).suffix(), Qt::CaseInsensitive) == 0)
                dialog.selectNameFilter(type);
        // A name typed without an ending gets the chosen type's, and the dialog asks
        // before replacing an existing file under that final name.
        dialog.setDefaultSuffix(suffixOfType(dialog.selectedNameFilter()));
        dialog.selectFile(suggestedName);
        // Qt's own dialog changes the proposed name's ending with the type; a name
        // typed without one gets the type chosen last.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString &type) { dialog.setDefaultSuffix(suffixOfType(type)); });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        const QString chosen = dialog.selectedFiles().constFirst();
        remember(chosen);
        return chosen;
    }

private:
    void remember(const QString &chosen)
    {
        if (!chosen.isEmpty())
            m_folder = QFileInfo(chosen).absolutePath();
    }
    QString saveFolder() const
    {
        return m_folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : m_folder;
    }

    QString m_folder;
};

Chooser &chooser()
{
    static PlatformDialog platform;
    return g_chooser ? *g_chooser : platform;
}
}

QString FixedChoice::saveFile(QWidget *, const QString &suggestedName, const QString &filter)
{
    ++m_opened;
    m_suggested = suggestedName;
    m_filter = filter;
    if (m_type < 0 || m_path.isEmpty())
        return m_path;
    const QStringList types = filter.split(QStringLiteral(";;"));
    return m_type < types.size() ? withDefaultSuffix(m_path, suffixOfType(types.at(m_type))) : m_path;
}

QString suffixOfType(const QString &type)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;()*?]+)"));
    const QRegularExpressionMatch match = pattern.match(type);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString withDefaultSuffix(const QString &name, const QString &suffix)
{
    const QFileInfo info(name);
    if (suffix.isEmpty() || info.fileName().isEmpty() || info.fileName().contains(QLatin1Char('.')))
        return name;
    return name + QLatin1Char('.') + suffix;
}

QString safeFileName(const QString &text)
{
    QString safe = text;
    for (QChar &c : safe)
        if (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>| ").contains(c))
            c = QLatin1Char('_');
    return safe;
}

void setChooser(Chooser *chooser) { g_chooser = chooser; }

QString openFile(QWidget *parent, const QString &filter) { return chooser().openFile(parent, filter); }

QString saveFile(QWidget *parent, const QString &suggestedName, const QString &filter)
{
    return chooser().saveFile(parent, suggestedName, filter);
}
}
