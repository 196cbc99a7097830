#include "administration/filechooser.h"

#include <QFileDialog>
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
        // A name typed without an ending gets the filter's, and the dialog asks
        // before replacing an existing file under that final name.
        dialog.setDefaultSuffix(QFileInfo(suggestedName).suffix());
        dialog.selectFile(suggestedName);
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
