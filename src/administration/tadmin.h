#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>

#include "records/recordstore.h"

class ClassFollowUp;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTextEdit;
class Timportcomptev3;

// The administrator console ("module administrateur"): classes and pupils on the
// left, one panel at a time on the right (a pupil's results, the statistics of a
// selection, the class and teacher list editor, a progression sheet). It works on
// the record files directly. Closing it shows the main window again.
class Tadmin : public QWidget
{
    Q_OBJECT
public:
    explicit Tadmin(QWidget *mainWindow);

    // Fills the class list from "classes.txt" (done once the console is shown).
    void loadClassList();

    enum class Panel { None, Results, Statistics, Editor, Sheet };
    Panel panel() const { return m_panel; }

    // The row of competence n (1 .. 29) of the results panel.
    QCheckBox *rowBox(int n) const { return m_rows.at(n - 1).box; }
    QLabel *rowLabel(int n) const { return m_rows.at(n - 1).label; }
    int score() const { return m_score; }
    // The class follow-up window opened by "Suivi des classes", if any.
    ClassFollowUp *followUp() const;

signals:
    // The console closes: the main window, shown again right after, is to show its home screen.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private slots:
    void ListBox1Click();
    void ListBox2Click();
    void RowClick(int n);
    void Edit1Change();
    void Button1Click();   // "Réinitialiser la sélection"
    void Button2Click();   // "Taux réussite de la sélection"
    void Button3Click();   // "Supprimer tout (fin d'année)"
    void Button4Click();   // "Editer la liste groupes/profs"
    void Button5Click();   // "Résultats"
    void Button6Click();   // "Progression élève"
    void Button7Click();   // "Réinitialiser élève"
    void Button8Click();   // "Imprimer progression élève"
    void Button9Click();   // "Supprimer le profil sélectionné"
    void Button10Click();  // "page suivante  "
    void Button11Click();  // "    page précédente"
    void Button12Click();  // "valider changements" (list editor)
    void Button13Click();  // "Quitter"
    void Button14Click();  // "Valider changements" (results)
    void Button15Click();  // "Valider" (administrator password)
    void Button16Click();  // "Changer Mot de passe administrateur"
    void Button17Click();  // "Importer des comptes "élève""
    void Button18Click();  // "Suivi des classes"
    void CheckBox37Click(bool checked);
    void CheckBox38Click(bool checked);

private:
    struct Row
    {
        QCheckBox *box = nullptr;
        QLabel *label = nullptr;
        QString date;        // what a ticked row stands for
        QString validator;
    };

    void buildLeftHalf();
    void buildResultsPanel();
    void buildStatisticsGrid();
    void buildListEditor();
    void buildSheet();
    void buildDivers();

    void showPanel(Panel panel);
    void hidePasswordEntry();
    void clearPupilList();
    QString selectedPupil() const;
    QStringList selectedClasses() const;
    QStringList listedPupils() const;
    void setRow(int n, bool ticked, const QString &text);
    void resetRows();
    void showPage(int page);
    void buildSheetText();
    bool reportFailure(const IoStatus &status);

    QPointer<QWidget> m_mainWindow;
    QPointer<Timportcomptev3> m_import;
    QPointer<ClassFollowUp> m_followUp;

    QLabel *Lab1 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QLabel *Lab2 = nullptr;
    QListWidget *ListBox2 = nullptr;
    QLabel *Image1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr,
                *Button18 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QPushButton *Button5 = nullptr, *Button6 = nullptr, *Button7 = nullptr, *Button8 = nullptr,
                *Button9 = nullptr;
    QGroupBox *GroupBox5 = nullptr;
    QPushButton *Button16 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QPushButton *Button15 = nullptr;
    QPushButton *Button17 = nullptr;
    QCheckBox *CheckBox37 = nullptr;
    QCheckBox *CheckBox38 = nullptr;   // pupils may ask the mascot for help
    QPushButton *Button13 = nullptr;

    QGroupBox *GroupBox3 = nullptr;
    QLabel *Label30 = nullptr, *Label31 = nullptr, *Label32 = nullptr, *Label33 = nullptr;
    QLabel *Label34 = nullptr, *Label35 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button10 = nullptr, *Button11 = nullptr, *Button14 = nullptr;
    std::array<Row, CompetenceCount> m_rows;

    QTableWidget *StringGrid1 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    QLabel *Label36 = nullptr, *Label37 = nullptr;
    QPlainTextEdit *Memo1 = nullptr, *Memo2 = nullptr;
    QPushButton *Button12 = nullptr;
    QTextEdit *r = nullptr;

    Panel m_panel = Panel::None;
    QString m_loadedPupil;   // the record file the results panel shows
    QString m_storedHash;    // its password digest as read
    QString m_date;          // today, taken when a pupil is selected
    int m_score = 0;
};
