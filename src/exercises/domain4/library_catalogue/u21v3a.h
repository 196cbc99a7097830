#pragma once
#include "exercises/domain4/library_catalogue/cataloguescreen.h"

#include <array>

class QCheckBox;

// The thematic search tab: the searched words, the restrictions panel and its 25
// boxes, the search that answers the second question.
class Texercice21v3a : public CatalogueTab
{
    Q_OBJECT
public:
    explicit Texercice21v3a(ExerciseSession *session);

    QCheckBox *checkBox(int number) const { return m_boxes[number - 1]; }
    // The search is accepted: exactly Documentaire and Livre ticked, the subject typed.
    bool searchAccepted() const;

private slots:
    void zs10Click();
    void zs4Click();
    void zs9Click();

private:
    void leaving() override;
    void enterSecondQuestion() override;
    void showRestrictions(bool shown);

    HotSpot *zs1;
    HotSpot *zs3;
    HotSpot *zs2;
    HotSpot *Image4;
    HotSpot *Image3;
    HotSpot *zs11;
    HotSpot *zs10;
    HotSpot *zs4;
    HotSpot *zs9;
    PictureBox *Image2;
    std::array<QCheckBox *, 25> m_boxes{};   // CheckBox1 .. CheckBox25
};
