#pragma once
#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

// The password change of the pupil it was opened for: the new password typed
// twice, then "Valider". Created anew when opened, freed when closed.
class Tu_motpasseeleve : public QFrame
{
    Q_OBJECT
public:
    explicit Tu_motpasseeleve(const QString &pupilName);

    QString pupilName() const { return m_pupil; }

    QLabel *Label3, *Label1, *Label2;
    QLineEdit *Edit1, *Edit2;
    QPushButton *Button1;

private slots:
    void Button1Click();

private:
    const QString m_pupil;
};
