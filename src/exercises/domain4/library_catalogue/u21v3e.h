#pragma once
#include "exercises/domain4/library_catalogue/cataloguescreen.h"

// The record found by the title search: the pupil clicks the author's name.
class Texercice21v3e : public CatalogueScreen
{
    Q_OBJECT
public:
    explicit Texercice21v3e(ExerciseSession *session);

private slots:
    void zs10Click();
    void Image2Click();

private:
    PictureBox *Image2;
    HotSpot *zs10;
};
