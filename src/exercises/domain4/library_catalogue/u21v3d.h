#pragma once
#include "exercises/domain4/library_catalogue/cataloguescreen.h"

class QFrame;
class QLabel;
class QPushButton;

// The result list of the transport search and its answer box: the verdict falls
// when the right number is validated.
class Texercice21v3d : public CatalogueScreen
{
    Q_OBJECT
public:
    explicit Texercice21v3d(ExerciseSession *session);

private slots:
    void Button1Click();

private:
    QFrame *Shape1;
    QLabel *Label2;
    QLineEdit *Edit1;
    QPushButton *Button1;
};
