#pragma once
#include "dialogs/uimpressionv3.h"
#include "shell/exercise/menuscreen.h"

#include <QPointer>

class HotSpot;
class PictureBox;
class QLabel;
class QTextEdit;

// Competence 1.5: a poem in a word processor. The pupil selects its second stanza,
// opens the print dialog through the preview (menu or tool bar), sets a colour
// printer, two copies and the selection, looks at the preview and prints: the
// preview gives the verdict.
class Texercice5v3 : public MenuScreen
{
    Q_OBJECT
public:
    explicit Texercice5v3(ExerciseSession *session);

    enum MenuId { Nouveau, Ouvrir, Fermer, Enregistrer, Imprimer, Apercu, Quitter };

    // The length of the current selection, each line break counting two characters.
    int selectionLength() const;
    Timpressionv3 *printDialog() const { return m_print; }

    PictureBox *Image1 = nullptr;
    QTextEdit *RichEdit1 = nullptr;
    HotSpot *zs1 = nullptr;
    HotSpot *zs2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;

protected:
    void FormShow() override;
    void menuStep(int id) override;
    void wrongMenu() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void Aperu1Click();
    void Nouveau1Click();
    void zs1Click();

private:
    void fillText();
    bool RichEdit1KeyPress(const QString &typed);

    QPointer<Timpressionv3> m_print;
};
