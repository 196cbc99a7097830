#pragma once
#include "shell/exercise/exercisescreen.h"

class HotSpot;
class PictureBox;
class QLabel;
class QLineEdit;
class QListWidget;

// Competence 5.4, first window: the pupil opens the address book, adds the dictated
// contact on a new card and closes the book.
class Texercice29v3 : public ExerciseScreen
{
    Q_OBJECT
public:
    explicit Texercice29v3(ExerciseSession *session);

    PictureBox *Image1 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    PictureBox *Image2 = nullptr;
    HotSpot *zs3 = nullptr;
    HotSpot *zs4 = nullptr;
    QListWidget *ListBox1 = nullptr;
    HotSpot *zs6 = nullptr;
    PictureBox *Image3 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit4 = nullptr;
    HotSpot *zs5 = nullptr;
    QLabel *consigne3 = nullptr;
    QLabel *consigne4 = nullptr;

private slots:
    void wrongRoute();
    void zs2Click();
    void zs4Click();
    void zs5Click();
    void zs6Click();
    void NameChange();

private:
    void addEntry(const QString &name, const QString &address);
};
