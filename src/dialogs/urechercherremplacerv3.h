#pragma once
#include "dialogs/uformat15v3.h"
#include "widgets/inputlock.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Rechercher et Remplacer": looks and reacts like a word processor's tool but
// searches nothing. The pupil's settings of "Remplacer tout" go to the exercise
// that opened it, which judges them and closes the dialog when they are right.
class TUrechercherv3 : public QDialog
{
    Q_OBJECT
public:
    using Judge = std::function<bool(const QString &search, const QString &replace, bool matchCase,
                                     bool wholeWords)>;
    // A wrong way: the exercise counts it and shows the box.
    using WrongAction = std::function<void(const QString &text)>;

    static const QString WrongText;   // "Fausse route ! Lisez bien..."

    // A child window of the exercise window, freed with it.
    TUrechercherv3(QWidget *owner, Judge judge, WrongAction wrong);
    ~TUrechercherv3() override;

    // Locks the owner's controls, places the dialog and shows it.
    void showOverOwner();

    enum class Side { Search, Replace };
    Side activeSide() const { return m_activeSide; }
    const TextAttributes &searchAttributes() const { return m_search; }
    const TextAttributes &replaceAttributes() const { return m_replace; }
    bool optionsExpanded() const { return m_expanded; }
    // The attribute dialog while it is open.
    TUformatrechercher15v3 *attributeDialog() const { return m_attributes; }

    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLabel *Label4 = nullptr;
    QCheckBox *CheckBox1 = nullptr;   // "Respecter la casse"
    QCheckBox *CheckBox2 = nullptr;   // "Mots entiers uniquement"
    QPushButton *Button1 = nullptr;   // "Rechercher"
    QPushButton *Button2 = nullptr;   // "Rechercher tout"
    QPushButton *Button3 = nullptr;   // "Remplacer"
    QPushButton *Button4 = nullptr;   // "Remplacer tout"
    QPushButton *Button9 = nullptr;   // "Autres options"
    QPushButton *Button10 = nullptr;  // "Moins d'options"
    QPushButton *Button8 = nullptr;   // "Fermer"
    QCheckBox *CheckBox3 = nullptr;   // further options, each a wrong way
    QCheckBox *CheckBox4 = nullptr;
    QCheckBox *CheckBox5 = nullptr;
    QCheckBox *CheckBox6 = nullptr;
    QCheckBox *CheckBox7 = nullptr;
    QPushButton *Button7 = nullptr;   // "Attributs..."
    QPushButton *Button5 = nullptr;   // "Format"
    QPushButton *Button6 = nullptr;   // "Aucun attribut"
    QLabel *Image1 = nullptr;         // up arrows (expanded)
    QLabel *Image2 = nullptr;         // down arrows (collapsed)

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Every way of closing ends here ("Fermer", Escape, the title-bar box, the exercise).
    void done(int result) override;

private slots:
    void Button1Click() { checkFurtherOptions(); }
    void Button2Click() { checkFurtherOptions(); }
    void Button3Click() { checkFurtherOptions(); }
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click() { close(); }
    void Button9Click() { setOptionsExpanded(true); }
    void Button10Click() { setOptionsExpanded(false); }
    void FurtherOptionClick() { checkFurtherOptions(); }

private:
    QPushButton *makeButton(const QString &name, const QString &caption, const QRect &rect);
    QCheckBox *makeCheckBox(const QString &name, const QString &caption, const QRect &rect);
    QList<QCheckBox *> furtherOptions() const;
    void setOptionsExpanded(bool expanded);
    void setActiveSide(Side side);
    TextAttributes &activeAttributes() { return m_activeSide == Side::Search ? m_search : m_replace; }
    void checkFurtherOptions();
    void writeAttributeLines();
    void writeActiveLine();
    void wrongWay();

    Judge m_judge;
    WrongAction m_wrong;
    Side m_activeSide = Side::Search;
    bool m_expanded = false;
    TextAttributes m_search;
    TextAttributes m_replace;
    QPointer<TUformatrechercher15v3> m_attributes;
    InputLock m_ownerLock;
    InputLock m_selfLock;   // while the attribute dialog is open
};
