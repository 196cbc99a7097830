#pragma once
#include "exercises/domain4/library_catalogue/cataloguescreen.h"

// The thesaurus search tab: it suits neither question.
class Texercice21v3c : public CatalogueTab
{
    Q_OBJECT
public:
    explicit Texercice21v3c(ExerciseSession *session);

private:
    void enterSecondQuestion() override {}

    HotSpot *zs8;
    HotSpot *zs9;
    HotSpot *Image4;
    HotSpot *Image3;
    HotSpot *Image2;
    HotSpot *zs11;
};
