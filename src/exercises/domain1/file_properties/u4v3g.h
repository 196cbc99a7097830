#pragma once
#include "exercises/domain1/file_properties/screen.h"

class HotSpot;
class PictureBox;
class QLineEdit;
// The new folder's name box, open for editing: Enter validates the name.
class Texercice4v3g : public FilePropertiesScreen
{
    Q_OBJECT
public:
    explicit Texercice4v3g(ExerciseSession *session);

    PictureBox *Image1 = nullptr;
    QLineEdit *Edit1 = nullptr;

protected:
    void FormShow() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Edit1KeyPress();
};
