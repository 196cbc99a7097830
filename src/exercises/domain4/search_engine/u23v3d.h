#pragma once
#include "exercises/domain4/search_engine/enginepage.h"

// The advanced search form: the family of words to exclude, then the verdict.
class Texercice23v3d : public EnginePage
{
    Q_OBJECT
public:
    Texercice23v3d(ExerciseSession *session, const QString &keywords);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void zs1Click();

private:
    QLineEdit *Edit1;
    QLineEdit *Edit2;
};
