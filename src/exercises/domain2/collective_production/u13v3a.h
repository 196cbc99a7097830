#pragma once
#include "exercises/domain2/collective_production/sitescreen.h"

class HotSpot;
class PictureBox;
class QCheckBox;
class QLineEdit;

// The site's public home page, then its private area's log-in form.
class Texercice13v3a : public SiteScreen
{
    Q_OBJECT
public:
    explicit Texercice13v3a(ExerciseSession *session);

    PictureBox *Image1;
    PictureBox *Image2;
    HotSpot *Image3;
    HotSpot *Image4;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QCheckBox *CheckBox1;

private slots:
    void Image3Click();
    void Image4Click();
};
