#pragma once
#include "shell/exercise/menuscreen.h"

class HotSpot;
class PictureBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class StringGrid;

// Competence 3.5: the pupil types a small table of computer components into a live
// sheet, then goes through the chart wizard's three pages (range, type, titles and
// options) to obtain the column chart pictured beside the instructions. A single
// error anywhere makes the final verdict a failure.
class Texercice18v3 : public MenuScreen
{
    Q_OBJECT
public:
    explicit Texercice18v3(ExerciseSession *session);

    enum Step { Typing, RangePage, TypePage, TitlesPage, Finished };
    enum MenuId {
        New, Open, Close, Save, SaveAs, Preview, Print, Quit, Cut, CopyItem, Paste, FullScreen, Zoom,
        Hyperlink, Image, Video, Object, Diagram, Cells, Line, Column, Sheet, PageItem, Spelling, Gallery,
        MediaPlayer, Customise, Tools, Sort, Filter, Subtotals, Validity, Consolidate, NewWindow,
        CloseWindow, Split, Freeze, Help, WhatsThis, Support, Registration, About
    };

    PictureBox *Image1 = nullptr;
    HotSpot *zs3 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit1 = nullptr;
    StringGrid *StringGrid1 = nullptr;
    PictureBox *Image5 = nullptr;
    PictureBox *Image3 = nullptr;
    PictureBox *Image8 = nullptr;
    QLabel *consigne3 = nullptr;
    QLabel *Label1 = nullptr;
    // Page 1.
    PictureBox *Image4 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    HotSpot *zs2 = nullptr;
    // Page 2: zs4 .. zs11 over the eight types, zs12 over the next button.
    PictureBox *Image6 = nullptr;
    QList<HotSpot *> typeZones;
    HotSpot *zs12 = nullptr;
    // Page 3.
    PictureBox *Image7 = nullptr;
    QCheckBox *CheckBox3 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QCheckBox *CheckBox4 = nullptr;
    QCheckBox *CheckBox5 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QCheckBox *CheckBox6 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QCheckBox *CheckBox7 = nullptr;
    QCheckBox *CheckBox8 = nullptr;
    HotSpot *zs13 = nullptr;

    // True when the eight cells hold the table (or its two columns swapped).
    bool tableMatches(bool swapped) const;

protected:
    void FormShow() override;
    void menuStep(int id) override;

private slots:
    void StringGrid1SelectCell(int column, int row);
    void StringGrid1MouseUp();
    void StringGrid1KeyTyped(const QString &text);
    void Edit1Change(const QString &text);
    void Edit1Enter();
    void zs3Click();
    void zs2Click();
    void typeZoneClick(int index);
    void zs12Click();
    void zs13Click();

private:
    void buildPages();
    void startWizard();
    void showPage(int page);
    void finish();
    QCheckBox *pageBox(const QString &name, const QRect &inPage, const QString &text);
    QLineEdit *pageField(const QString &name, const QRect &inPage, const QString &text);
};
