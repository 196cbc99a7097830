#pragma once
#include "exercises/domain1/file_properties/screen.h"

class HotSpot;
class PictureBox;
class QLineEdit;
class QPushButton;
// The contents of test-tavelo: four questions on what it holds, one attempt each,
// then the creation-date column added from the headers' context menu.
class Texercice4v3d : public FilePropertiesScreen
{
    Q_OBJECT
public:
    explicit Texercice4v3d(ExerciseSession *session);

    int question() const { return m_question; }   // 1 to 4, 5 once answered

    PictureBox *Image1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QPushButton *Button1 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    PictureBox *Image2 = nullptr;
    HotSpot *zs4 = nullptr;
    HotSpot *zs3 = nullptr;

protected:
    void FormShow() override;

private slots:
    void Button1Click();
    void zs2RightClick();
    void zs3Click();

private:
    int m_question = 1;
};
