#pragma once
#include "exercises/domain2/collective_production/sitescreen.h"

class HotSpot;
class QLineEdit;

// The article editor: title, subtitle and text, then the save button.
class Texercice13v3d : public SiteScreen
{
    Q_OBJECT
public:
    explicit Texercice13v3d(ExerciseSession *session);

    QLineEdit *Edit1;
    QLineEdit *Edit3;
    QLineEdit *Edit2;
    HotSpot *Image4;

private slots:
    void Image4Click();
};
