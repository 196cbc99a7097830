#pragma once
#include <QComboBox>

// A drop-down list whose text may be typed or chosen from its list; it knows which.
// Its colour can change (answers turn green or red).
class ChoiceCombo : public QComboBox
{
    Q_OBJECT
public:
    explicit ChoiceCombo(QWidget *parent = nullptr, bool editable = true);

    // True when the current text was chosen from the list (not typed, not preset).
    bool chosenFromList() const { return m_chosen; }
    // The text shown before any choice ("sélectionnez...").
    void setPlaceholderChoice(const QString &text);
    void setColour(const QColor &colour);
    void clearChoice();

    void showPopup() override;

signals:
    void chosen(int index, const QString &text);

private:
    bool m_chosen = false;
    // What the pupil typed since the list last opened: when the field's editing ends
    // the list selects the entry equal to it, which stays typed, not chosen.
    QString m_typed;
    bool m_hasTyped = false;
};
