#include "exercises/domain1/file_properties/u4v3g.h"

#include "exercises/domain1/file_properties/layout.h"
#include "exercises/domain1/file_properties/u4v3h.h"
#include "pictures/fonts.h"
#include "widgets/picturebox.h"
#include "widgets/placement.h"

#include <QKeyEvent>
#include <QLineEdit>

using namespace FilePropertiesLayout;

Texercice4v3g::Texercice4v3g(ExerciseSession *session)
    : FilePropertiesScreen(session, QStringLiteral("Texercice4v3g"), QStringLiteral("exercice4v3g"))
{
    Image1 = picture(QStringLiteral("Image1"), ExplorerRect);
    placeInstruction(W7Start);
    Edit1 = place(new QLineEdit(this), "Edit1", W7Edit1);
    Edit1->setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    Edit1->setStyleSheet(QStringLiteral("QLineEdit { color: white; background: rgb(49, 106, 197); "
                                        "border: 1px solid black; selection-background-color: rgb(10, 36, 106); }"));
    Edit1->setToolTip(W7Hint);
    // The new folder's name box holds its default name from the first picture on.
    Edit1->setText(NewFolderDefault);
    Edit1->installEventFilter(this);
}

void Texercice4v3g::FormShow()
{
    Edit1->selectAll();
    Edit1->setFocus();
}

bool Texercice4v3g::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Edit1KeyPress();
            return true;
        }
    }
    // The selection stays visible when the field loses the focus.
    if (watched == Edit1 && event->type() == QEvent::FocusOut)
        return true;
    return FilePropertiesScreen::eventFilter(watched, event);
}

void Texercice4v3g::Edit1KeyPress()
{
    if (Edit1->text().toLower() != NewFolderName) {
        wrongAction();
        return;
    }
    moveOn<Texercice4v3h>();
}
