#pragma once
#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The account import ("importcomptev3"): choose a tab-separated file, import its
// accounts, read what became of each line in the grid. Closing it closes the
// console too.
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

private:
    void setGridRow(int row, const QStringList &cells);

    QPointer<QWidget> m_console;
    QLabel *Label3 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button2 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button6 = nullptr;
    QTableWidget *StringGrid1 = nullptr;
    QPushButton *Button1 = nullptr;
    QString m_fileName;   // the dialog keeps the last chosen file
};
