#pragma once
#include <QColor>
#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextCharFormat;

// The word processor's "Police" dialog: font, style, size, effects and colour, with
// a preview. It offers the families the school's documents use, under their usual
// names (the system substitutes its own fonts when drawing them).
class FontDialog : public QDialog
{
    Q_OBJECT
public:
    struct Choice
    {
        QString family;
        qreal pointSize = 12;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        QColor colour = QColor(0, 0, 0);
    };

    explicit FontDialog(QWidget *parent);

    static const QStringList &families();
    static const QStringList &styles();    // "Normal", "Italique", "Gras", "Gras italique"
    static const QList<int> &sizes();

    void setChoice(const Choice &choice);
    Choice choice() const;
    // The choice as a character format (family, size, style bits and colour).
    QTextCharFormat charFormat() const;

    QLineEdit *FamilyEdit = nullptr;
    QListWidget *FamilyList = nullptr;
    QLineEdit *StyleEdit = nullptr;
    QListWidget *StyleList = nullptr;
    QLineEdit *SizeEdit = nullptr;
    QListWidget *SizeList = nullptr;
    QCheckBox *StrikeOutBox = nullptr;   // "Barré"
    QCheckBox *UnderlineBox = nullptr;   // "Souligné"
    QComboBox *ColourBox = nullptr;      // "Couleur :"
    QLabel *Preview = nullptr;
    QPushButton *OkButton = nullptr;
    QPushButton *CancelButton = nullptr;

private:
    void updatePreview();
    void selectRow(QListWidget *list, const QString &text);
};
