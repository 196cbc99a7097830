#pragma once
#include "exercises/domain4/search_engine/enginepage.h"

// The result page: the way to the advanced search.
class Texercice23v3c : public EnginePage
{
    Q_OBJECT
public:
    Texercice23v3c(ExerciseSession *session, const QString &keywords);

private slots:
    void Image2Click();

private:
    PictureBox *Image7;
    QLineEdit *Edit1;
    QString m_keywords;
};
