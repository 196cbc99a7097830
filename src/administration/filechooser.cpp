#include "administration/filechooser.h"

#include <QFileDialog>

namespace FileChooser {
namespace {
Chooser *g_chooser = nullptr;

class PlatformDialog : public Chooser
{
public:
    QString openFile(QWidget *parent, const QString &filter) override
    {
        const QString chosen = QFileDialog::getOpenFileName(parent, QString(), m_folder, filter);
        if (!chosen.isEmpty())
            m_folder = QFileInfo(chosen).absolutePath();
        return chosen;
    }

private:
    QString m_folder;
};
}

void setChooser(Chooser *chooser) { g_chooser = chooser; }

QString openFile(QWidget *parent, const QString &filter)
{
    static PlatformDialog platform;
    return (g_chooser ? g_chooser : &platform)->openFile(parent, filter);
}
}
