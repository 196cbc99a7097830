#pragma once
#include <QPointer>
#include <QValidator>
#include <QFrame>

class ChoiceCombo;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class Tform1;

// Refuses, as they are typed, the characters a record file name cannot hold:
// "/", "\", ":", "*", "?", "\"", "<", ">", "|", control characters and anything
// outside Windows-1252.
class RecordNameValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// The registration window: a new pupil chooses his name, password and class.
// Created anew when opened, freed when closed.
class Tidentification : public QFrame
{
    Q_OBJECT
public:
    explicit Tidentification(Tform1 *mainWindow);

    QTextEdit *Memo1;
    QLabel *Label1, *Label2, *Label3, *Label39;
    QLineEdit *Edit1, *Edit2;
    ChoiceCombo *ComboBox1;
    QPushButton *Button1, *BitBtn1;
    QLabel *Image1, *Image2;

private slots:
    void Button1Click();
    void BitBtn1Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QString refusal() const;

    QPointer<Tform1> m_main;
    bool m_created = false;
};
