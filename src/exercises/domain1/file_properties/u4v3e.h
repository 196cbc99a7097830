#pragma once
#include "exercises/domain1/file_properties/screen.h"

class HotSpot;
class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;
// Sorting by size, then the name and the size of the largest file.
class Texercice4v3e : public FilePropertiesScreen
{
    Q_OBJECT
public:
    explicit Texercice4v3e(ExerciseSession *session);

    bool sorted() const { return m_sorted; }

    PictureBox *Image1 = nullptr;
    PictureBox *Image2 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QPushButton *Button1 = nullptr;

private slots:
    void zs2Click();
    void Button1Click();

private:
    bool m_sorted = false;
};
