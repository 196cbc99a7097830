#include "exercises/domain4/library_catalogue/u21v3e.h"

#include "exercises/domain4/library_catalogue/layout.h"
#include "exercises/domain4/library_catalogue/u21v3b.h"
#include "widgets/messagebox.h"
#include "widgets/picturebox.h"

using namespace LibraryCatalogueLayout;

Texercice21v3e::Texercice21v3e(ExerciseSession *session)
    : CatalogueScreen(session, QStringLiteral("Texercice21v3e"), RecordInstruction, Bubble::UnderRecord)
{
    Image2 = new PictureBox(QStringLiteral("Texercice21v3e/Image2"), QStringLiteral("Image2"), RecordPicture, this);
    connect(Image2, &HotSpot::clicked, this, &Texercice21v3e::Image2Click);
    zs10 = spot("zs10", RecordAuthor, [this] { zs10Click(); });
}

void Texercice21v3e::zs10Click()
{
    MessageBox::information(AuthorFound, this);
    CatalogueTab::askSecondQuestion(session());
    session()->handOver(this, session()->window<Texercice21v3b>());
}

void Texercice21v3e::Image2Click() { session()->wrong(NotTheAuthor); }
