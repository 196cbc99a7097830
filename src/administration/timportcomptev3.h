#pragma once
#include "administration/importpreview.h"
#include "administration/logincards.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The account import ("importcomptev3"): choose a file, read in the grid what
// each line will become (classes unknown to the class list can be added there),
// import the accounts, read the summary and print the new accounts' login cards.
// Closing it closes the console too.
class Timportcomptev3 : public QWidget
{
    Q_OBJECT
public:
    explicit Timportcomptev3(QWidget *console);

    QTableWidget *grid() const { return StringGrid1; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private slots:
    void Button2Click();   // "Sélectionner un fichier ....."
    void Button6Click();   // "Importer les comptes"
    void Button1Click();   // "Quitter"
    void Button7Click();   // "Imprimer les cartes"

private:
    void setGridRow(int row, const QStringList &cells);
    void preview();
    void showStatuses();
    void addClass(const QString &className);
    void clearPreview();
    AccountImport::Result importRow(AccountImport::Importer &importer, int row);


    QPointer<QWidget> m_console;
    QLabel *Label3 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button2 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button6 = nullptr;
    QTableWidget *StringGrid1 = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Label4 = nullptr;        // what the preview found, then the summary
    QPushButton *Button7 = nullptr;  // "Imprimer les cartes", after an import that created accounts
    QString m_fileName;   // the dialog keeps the last chosen file
    QList<ImportPreview::Account> m_accounts;   // grid row N holds account N - 1
    QList<LoginCards::Card> m_cards;            // the accounts this import created
};
