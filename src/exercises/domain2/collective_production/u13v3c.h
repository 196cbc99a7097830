#pragma once
#include "exercises/domain2/collective_production/sitescreen.h"

class HotSpot;
class PictureBox;

// The private area: the list of rubrics, then the pupils' rubric and its button
// for a new article.
class Texercice13v3c : public SiteScreen
{
    Q_OBJECT
public:
    explicit Texercice13v3c(ExerciseSession *session);

    PictureBox *Image1;
    PictureBox *Image2;
    HotSpot *Image3;
    HotSpot *Image4;

private slots:
    void Image3Click();
    void Image4Click();
};
