#pragma once
#include "exercises/domain1/file_properties/screen.h"

class HotSpot;
class PictureBox;
class QTimer;
// Drive C: with the folder tree: test-tavelo opens from either pane. The wrong
// area waits half a second, so that the end of the double click that opened the
// drive does not count.
class Texercice4v3c : public FilePropertiesScreen
{
    Q_OBJECT
public:
    explicit Texercice4v3c(ExerciseSession *session);

    PictureBox *Image2 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    HotSpot *zs3 = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    void FormShow() override;

private slots:
    void Timer1Timer();
    void openFolder();
};
