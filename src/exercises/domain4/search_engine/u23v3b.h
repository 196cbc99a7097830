#pragma once
#include "exercises/domain4/search_engine/enginepage.h"

// The engine's home page: the keywords and the France scope.
class Texercice23v3b : public EnginePage
{
    Q_OBJECT
public:
    explicit Texercice23v3b(ExerciseSession *session);

private slots:
    void Image5Click();

private:
    void FormShow() override;

    QLineEdit *Edit1;
    Scopes m_scopes;
};
