#include "exercises/domain3/formatting/fontdialog.h"

#include "dialogs/uformat15v3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTextCharFormat>

namespace {
QIcon swatch(const QColor &colour)
{
    QPixmap pixmap(24, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(colour);
    painter.drawRect(QRect(0, 0, 23, 11));
    return QIcon(pixmap);
}

QLabel *caption(const QString &text, const QRect &rect, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(rect);
    return label;
}
}

const QStringList &FontDialog::families()
{
    static const QStringList names{
        QStringLiteral("Arial"), QStringLiteral("Arial Black"), QStringLiteral("Comic Sans MS"),
        QStringLiteral("Courier New"), QStringLiteral("Georgia"), QStringLiteral("Tahoma"),
        QStringLiteral("Times New Roman"), QStringLiteral("Trebuchet MS"), QStringLiteral("Verdana")};
    return names;
}

const QStringList &FontDialog::styles()
{
    static const QStringList names{QStringLiteral("Normal"), QStringLiteral("Italique"), QStringLiteral("Gras"),
                                   QStringLiteral("Gras italique")};
    return names;
}

const QList<int> &FontDialog::sizes()
{
    static const QList<int> list{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
    return list;
}

FontDialog::FontDialog(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("polices"));
    setWindowTitle(QStringLiteral("Police"));
    setFixedSize(436, 330);

    caption(QStringLiteral("Police :"), QRect(10, 8, 170, 18), this);
    FamilyEdit = new QLineEdit(this);
    FamilyEdit->setObjectName(QStringLiteral("FamilyEdit"));
    FamilyEdit->setReadOnly(true);
    FamilyEdit->setGeometry(10, 26, 170, 22);
    FamilyList = new QListWidget(this);
    FamilyList->setObjectName(QStringLiteral("FamilyList"));
    FamilyList->setGeometry(10, 50, 170, 110);
    for (const QString &family : families()) {
        auto *item = new QListWidgetItem(family, FamilyList);
        QFont font(family);
        font.setPointSize(10);
        item->setFont(font);
    }

    caption(QStringLiteral("Style :"), QRect(190, 8, 120, 18), this);
    StyleEdit = new QLineEdit(this);
    StyleEdit->setObjectName(QStringLiteral("StyleEdit"));
    StyleEdit->setReadOnly(true);
    StyleEdit->setGeometry(190, 26, 120, 22);
    StyleList = new QListWidget(this);
    StyleList->setObjectName(QStringLiteral("StyleList"));
    StyleList->setGeometry(190, 50, 120, 110);
    StyleList->addItems(styles());

    caption(QStringLiteral("Taille :"), QRect(320, 8, 60, 18), this);
    SizeEdit = new QLineEdit(this);
    SizeEdit->setObjectName(QStringLiteral("SizeEdit"));
    SizeEdit->setReadOnly(true);
    SizeEdit->setGeometry(320, 26, 60, 22);
    SizeList = new QListWidget(this);
    SizeList->setObjectName(QStringLiteral("SizeList"));
    SizeList->setGeometry(320, 50, 60, 110);
    for (int size : sizes())
        SizeList->addItem(QString::number(size));

    auto *effects = new QGroupBox(QStringLiteral("Effets"), this);
    effects->setGeometry(10, 170, 170, 110);
    StrikeOutBox = new QCheckBox(QStringLiteral("&Barré"), effects);
    StrikeOutBox->setObjectName(QStringLiteral("StrikeOutBox"));
    StrikeOutBox->setGeometry(10, 22, 150, 20);
    UnderlineBox = new QCheckBox(QStringLiteral("&Souligné"), effects);
    UnderlineBox->setObjectName(QStringLiteral("UnderlineBox"));
    UnderlineBox->setGeometry(10, 44, 150, 20);
    caption(QStringLiteral("Couleur :"), QRect(10, 66, 150, 16), effects);
    ColourBox = new QComboBox(effects);
    ColourBox->setObjectName(QStringLiteral("ColourBox"));
    ColourBox->setGeometry(10, 82, 150, 22);
    for (const auto &entry : TUformatrechercher15v3::colours())
        ColourBox->addItem(swatch(entry.colour), entry.name, entry.colour);

    auto *preview = new QGroupBox(QStringLiteral("Aperçu"), this);
    preview->setGeometry(190, 170, 236, 110);
    Preview = new QLabel(QStringLiteral("AaBbYyZz"), preview);
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setAlignment(Qt::AlignCenter);
    Preview->setGeometry(10, 22, 216, 78);
    Preview->setStyleSheet(QStringLiteral("background: white; border: 1px solid #a0a0a0;"));

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setGeometry(256, 292, 80, 28);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Annuler"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(346, 292, 80, 28);
    caption(QStringLiteral("Cette police s'affiche à l'écran et à l'impression."), QRect(10, 290, 240, 32), this)
        ->setWordWrap(true);

    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // A row chosen in a list shows in the field above it (a row made current by
    // the focus alone is not a choice).
    const auto mirror = [this](QListWidget *list, QLineEdit *edit) {
        connect(list, &QListWidget::itemSelectionChanged, this, [list, edit] {
            const QList<QListWidgetItem *> selected = list->selectedItems();
            if (!selected.isEmpty())
                edit->setText(selected.constFirst()->text());
        });
    };
    mirror(FamilyList, FamilyEdit);
    mirror(StyleList, StyleEdit);
    mirror(SizeList, SizeEdit);
    for (QListWidget *list : {FamilyList, StyleList, SizeList})
        connect(list, &QListWidget::itemSelectionChanged, this, &FontDialog::updatePreview);
    for (QCheckBox *box : {StrikeOutBox, UnderlineBox})
        connect(box, &QCheckBox::toggled, this, &FontDialog::updatePreview);
    connect(ColourBox, &QComboBox::currentIndexChanged, this, &FontDialog::updatePreview);
}

void FontDialog::selectRow(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    if (found.isEmpty()) {
        list->setCurrentRow(-1);
        list->clearSelection();
    } else {
        list->setCurrentItem(found.constFirst());
    }
}

void FontDialog::setChoice(const Choice &choice)
{
    selectRow(FamilyList, choice.family);
    FamilyEdit->setText(choice.family);
    selectRow(StyleList, styles().at((choice.bold ? 2 : 0) + (choice.italic ? 1 : 0)));
    StyleEdit->setText(styles().at((choice.bold ? 2 : 0) + (choice.italic ? 1 : 0)));
    selectRow(SizeList, QString::number(qRound(choice.pointSize)));
    SizeEdit->setText(QString::number(qRound(choice.pointSize)));
    StrikeOutBox->setChecked(choice.strikeOut);
    UnderlineBox->setChecked(choice.underline);
    const int colourRow = ColourBox->findData(choice.colour);
    ColourBox->setCurrentIndex(colourRow >= 0 ? colourRow : 0);
    updatePreview();
}

FontDialog::Choice FontDialog::choice() const
{
    Choice c;
    c.family = FamilyEdit->text();
    const int style = qMax(0, styles().indexOf(StyleEdit->text()));
    c.bold = style >= 2;
    c.italic = style % 2 == 1;
    c.pointSize = SizeEdit->text().toDouble();
    c.underline = UnderlineBox->isChecked();
    c.strikeOut = StrikeOutBox->isChecked();
    c.colour = ColourBox->currentData().value<QColor>();
    return c;
}

QTextCharFormat FontDialog::charFormat() const
{
    const Choice c = choice();
    QTextCharFormat format;
    if (!c.family.isEmpty())
        format.setFontFamilies({c.family});
    if (c.pointSize > 0)
        format.setFontPointSize(c.pointSize);
    format.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(c.italic);
    format.setFontUnderline(c.underline);
    format.setFontStrikeOut(c.strikeOut);
    format.setForeground(c.colour);
    return format;
}

void FontDialog::updatePreview()
{
    const Choice c = choice();
    QFont font(c.family.isEmpty() ? QStringLiteral("Arial") : c.family);
    font.setPointSizeF(qBound(6.0, c.pointSize > 0 ? c.pointSize : 12.0, 28.0));
    font.setBold(c.bold);
    font.setItalic(c.italic);
    font.setUnderline(c.underline);
    font.setStrikeOut(c.strikeOut);
    Preview->setFont(font);
    QPalette palette = Preview->palette();
    palette.setColor(QPalette::WindowText, c.colour);
    Preview->setPalette(palette);
    Preview->setStyleSheet(QStringLiteral("background: white; border: 1px solid #a0a0a0; color: %1;").arg(c.colour.name()));
}
