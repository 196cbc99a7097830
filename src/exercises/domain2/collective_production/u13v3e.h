#pragma once
#include "exercises/domain2/collective_production/sitescreen.h"

class HotSpot;
class QLineEdit;

// The saved article's page, dated today, with its button asking for publication.
class Texercice13v3e : public SiteScreen
{
    Q_OBJECT
public:
    explicit Texercice13v3e(ExerciseSession *session);

    QLineEdit *Edit3;
    HotSpot *Image2;

private slots:
    void Image2Click();
};
