#pragma once
#include "exercises/domain4/search_results/resultscreen.h"

// The photo site: nine photos whose size and resolution show in their hints; the
// pupil picks the one of highest definition.
class Texercice25v3c : public ResultScreen
{
    Q_OBJECT
public:
    explicit Texercice25v3c(ExerciseSession *session);

private slots:
    void zs5Click();
};
