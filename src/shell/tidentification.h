#pragma once
#include <QStringList>
#include <QValidator>
#include <QFrame>

class ChoiceCombo;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

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
// Created anew when opened, freed when closed; it tells of its end by closed().
class Tidentification : public QFrame
{
    Q_OBJECT
public:
    // listedNames: the pupils the selection screen lists.
    explicit Tidentification(const QStringList &listedNames);

    QTextEdit *Memo1;
    QLabel *Label1, *Label2, *Label3, *Label39;
    QLineEdit *Edit1, *Edit2;
    ChoiceCombo *ComboBox1;
    QPushButton *Button1, *BitBtn1;
    QLabel *Image1, *Image2;

signals:
    // Sent once when the window closes: whether an account was created.
    void closed(bool created);

private slots:
    void Button1Click();
    void BitBtn1Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QString refusal() const;

    QStringList m_listed;
    bool m_created = false;
};
