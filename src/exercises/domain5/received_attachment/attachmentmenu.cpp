#include "exercises/domain5/received_attachment/attachmentmenu.h"

#include "exercises/domain5/received_attachment/layout.h"
#include "pictures/fonts.h"
#include "pictures/kit.h"

#include <QMenu>
#include <QWidget>

using namespace ReceivedAttachmentLayout;

void AttachmentMenu::install(QWidget *entry, std::function<void(Choice)> chosen)
{
    entry->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(entry, &QWidget::customContextMenuRequested, entry, [entry, chosen](const QPoint &pos) {
        auto *menu = new QMenu(entry);
        menu->setObjectName(QStringLiteral("AttachmentMenu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
        const struct { const QString &text; const char *icon; Choice choice; } items[] = {
            {MenuOpen, "document-open", Choice::Open},
            {MenuSaveAs, "document-save-as", Choice::SaveAs},
            {MenuDelete, "edit-delete", Choice::Delete},
        };
        for (const auto &item : items) {
            const Choice choice = item.choice;
            menu->addAction(PictureKit::themeIcon(QString::fromLatin1(item.icon)), item.text,
                            [chosen, choice] { chosen(choice); });
        }
        menu->popup(entry->mapToGlobal(pos));
    });
}
