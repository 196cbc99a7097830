#pragma once
#include "exercises/domain4/search_results/resultscreen.h"

class QLineEdit;

// The result-selection exercise (competence 4.5), first window: a search for the
// word "police" on the engine's home page.
class Texercice25v3 : public ResultScreen
{
    Q_OBJECT
public:
    explicit Texercice25v3(ExerciseSession *session);

private slots:
    void zs2Click();

private:
    void FormShow() override;

    QLineEdit *Edit1;
    HotSpot *zs1;
    HotSpot *zs2;
    HotSpot *zs3;
    HotSpot *zs4;
};
