#pragma once
#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

// One side's text attributes as the find/replace dialog keeps them: the texts
// shown and the list rows they came from (-1: none).
struct TextAttributes
{
    QString font;
    QString size;
    QString colour;
    int fontRow = -1;
    int sizeRow = -1;
    int colourRow = -1;

    void clear() { *this = TextAttributes(); }
    // "font,size,colour"; an empty triple shows ",,".
    QString line() const { return font + QLatin1Char(',') + size + QLatin1Char(',') + colour; }
};

// "Attributs de texte": picks a font, a size and a colour for the side of the
// find/replace dialog that is active. Closes as soon as it stops being the active
// window (a click outside it), except while one of the program's own boxes shows.
class TUformatrechercher15v3 : public QDialog
{
    Q_OBJECT
public:
    static const QStringList &fontNames();
    static const QStringList &sizeNames();
    struct NamedColour
    {
        QString name;
        QColor colour;
    };
    static const QList<NamedColour> &colours();

    // 'side' belongs to the find/replace dialog and outlives this one.
    TUformatrechercher15v3(TextAttributes *side, bool replaceSide, QWidget *parent);

    QListWidget *ListBox1 = nullptr;       // "Police"
    QListWidget *ListBox2 = nullptr;       // "Taille"
    QListWidget *ColorListBox1 = nullptr;  // "Couleur"
    QPushButton *Button1 = nullptr;        // "OK"
    QPushButton *Button3 = nullptr;        // "Rétablir"

signals:
    // "OK": the owner writes both attribute lines.
    void attributesConfirmed();
    // "Rétablir": the owner rewrites the active side's line.
    void sideCleared();

protected:
    bool event(QEvent *event) override;

private slots:
    void ListBox1Click(int row);
    void ListBox2Click(int row);
    void ColorListBox1Click(int row);
    void Button1Click();
    void Button3Click();

private:
    QListWidget *makeList(const QString &objectName, const QString &caption, const QRect &rect);
    void selectStoredRows();
    void closeWhenInactive();

    TextAttributes *m_side;
};
