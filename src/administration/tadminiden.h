#pragma once
#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class Tadmin;

// The administrator login, opened over the main window by " administrateur".
// Created anew each time and freed when it closes. A right password opens the
// console (Tadmin) and hides the main window; closing the console shows it again.
// One attempt per opening: a wrong password closes the window. It is modal: while
// it is open the main window takes no click, so no pupil reaches his board behind it.
class Tadminiden : public QWidget
{
    Q_OBJECT
public:
    explicit Tadminiden(QWidget *mainWindow);

    QLineEdit *passwordField() const { return MaskEdit1; }

signals:
    // The right password opened this console (the login closes right after).
    void consoleOpened(Tadmin *console);

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void Button1Click();

private:
    QPointer<QWidget> m_mainWindow;
    QLabel *Label1 = nullptr;
    QLineEdit *MaskEdit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Label2 = nullptr;
    QString m_expectedHash;
    bool m_shown = false;
    bool m_hashRead = false;
};
