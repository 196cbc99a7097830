#pragma once
#include "exercises/domain4/library_catalogue/cataloguescreen.h"

#include <array>

// The search-by-criteria tab: the title search that answers the first question.
class Texercice21v3b : public CatalogueTab
{
    Q_OBJECT
public:
    explicit Texercice21v3b(ExerciseSession *session);

private slots:
    void Image2Click();
    void zs9Click();

private:
    void enterSecondQuestion() override;

    HotSpot *zs1;
    HotSpot *zs8;
    std::array<HotSpot *, 4> m_fields{};   // zs2 .. zs5
    HotSpot *zs6;
    HotSpot *Image2;
    HotSpot *zs9;
    HotSpot *zs10;
};
