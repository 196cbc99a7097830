#pragma once
#include "exercises/domain4/search_results/resultscreen.h"

#include <array>

class PictureDrag;
class QFrame;

// The result page for "police": each result is dragged onto the picture of its
// subject (the police force, a typeface, a rock band).
class Texercice25v3b : public ResultScreen
{
    Q_OBJECT
public:
    explicit Texercice25v3b(ExerciseSession *session);

    int sortedCount() const { return m_sorted; }

private slots:
    void dragOver(HotSpot *source, const QPoint &windowPoint);
    void dropped(HotSpot *source, const QPoint &windowPoint);

private:
    // The target picture at that point (frames excluded), or -1.
    int targetAt(const QPoint &windowPoint) const;
    bool onFrame(const QPoint &windowPoint) const;
    void showFrame(int target);   // -1 hides every frame
    int snippetOf(HotSpot *source) const;

    std::array<PictureBox *, 6> m_snippets{};   // Image5 .. Image10
    std::array<QFrame *, 3> m_frames{};         // Shape2, Shape1, Shape3
    std::array<PictureBox *, 3> m_targets{};    // Image2, Image4, Image3
    PictureDrag *m_drag;
    int m_sorted = 0;
};
