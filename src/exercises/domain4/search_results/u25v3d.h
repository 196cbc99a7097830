#pragma once
#include "exercises/domain4/search_results/resultscreen.h"

// The download page: two versions of the office suite side by side; the lighter one
// gives the verdict.
class Texercice25v3d : public ResultScreen
{
    Q_OBJECT
public:
    explicit Texercice25v3d(ExerciseSession *session);

private slots:
    void zs1Click();
    void Image2Click();
};
