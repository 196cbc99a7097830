#pragma once
#include "exercises/domain2/collective_production/sitescreen.h"

class QLineEdit;
class QTimer;

// The article proposed for publication, waiting for a teacher: six seconds after
// it shows, the window gives the verdict by itself. It has no Abandon button.
class Texercice13v3f : public SiteScreen
{
    Q_OBJECT
public:
    explicit Texercice13v3f(ExerciseSession *session);

    QLineEdit *Edit1;
    QTimer *Timer1;

protected:
    void FormShow() override;

private slots:
    void Timer1Timer();
};
