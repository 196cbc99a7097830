#include "dialogs/uformat15v3.h"

#include "widgets/messagebox.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr QSize ClientSize(373, 248);
constexpr QPoint ScreenPlace(770, 150);

QIcon swatch(const QColor &colour)
{
    QPixmap pixmap(20, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(colour);
    painter.drawRect(QRect(0, 0, 19, 11));
    return QIcon(pixmap);
}
}

const QStringList &TUformatrechercher15v3::fontNames()
{
    static const QStringList names{
        QStringLiteral("Algérian"), QStringLiteral("Arial"), QStringLiteral("Arial Black"),
        QStringLiteral("Gill Sans Mt"), QStringLiteral("Magneto"), QStringLiteral("Nimbus"),
        QStringLiteral("Roman"), QStringLiteral("Script"), QStringLiteral("Stencil"),
        QStringLiteral("Symbol"), QStringLiteral("Times New Roman"), QStringLiteral("Wingdings")};
    return names;
}

const QStringList &TUformatrechercher15v3::sizeNames()
{
    static const QStringList names = [] {
        QStringList sizes;
        for (int size = 6; size <= 16; ++size)
            sizes << QString::number(size);
        return sizes;
    }();
    return names;
}

const QList<TUformatrechercher15v3::NamedColour> &TUformatrechercher15v3::colours()
{
    static const QList<NamedColour> list{
        {QStringLiteral("Noir"), QColor(0, 0, 0)},          {QStringLiteral("Marron"), QColor(128, 0, 0)},
        {QStringLiteral("Vert"), QColor(0, 128, 0)},        {QStringLiteral("Olive"), QColor(128, 128, 0)},
        {QStringLiteral("Bleu marine"), QColor(0, 0, 128)}, {QStringLiteral("Violet"), QColor(128, 0, 128)},
        {QStringLiteral("Sarcelle"), QColor(0, 128, 128)},  {QStringLiteral("Gris"), QColor(128, 128, 128)},
        {QStringLiteral("Argent"), QColor(192, 192, 192)},  {QStringLiteral("Rouge"), QColor(255, 0, 0)},
        {QStringLiteral("Citron vert"), QColor(0, 255, 0)}, {QStringLiteral("Jaune"), QColor(255, 255, 0)},
        {QStringLiteral("Bleu"), QColor(0, 0, 255)},        {QStringLiteral("Fuchsia"), QColor(255, 0, 255)},
        {QStringLiteral("Cyan"), QColor(0, 255, 255)},      {QStringLiteral("Blanc"), QColor(255, 255, 255)}};
    return list;
}

TUformatrechercher15v3::TUformatrechercher15v3(TextAttributes *side, bool replaceSide, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_side(side)
{
    setObjectName(QStringLiteral("TUformatrechercher15v3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(replaceSide ? QStringLiteral("Attributs de texte (Remplacer)")
                               : QStringLiteral("Attributs de texte (Rechercher)"));
    setFixedSize(ClientSize);
    move(ScreenPlace);

    ListBox1 = makeList(QStringLiteral("ListBox1"), QStringLiteral("Police"), QRect(8, 26, 150, 176));
    ListBox1->addItems(fontNames());
    ListBox2 = makeList(QStringLiteral("ListBox2"), QStringLiteral("Taille"), QRect(166, 26, 56, 176));
    ListBox2->addItems(sizeNames());
    ColorListBox1 = makeList(QStringLiteral("ColorListBox1"), QStringLiteral("Couleur"), QRect(230, 26, 135, 176));
    for (const NamedColour &entry : colours())
        new QListWidgetItem(swatch(entry.colour), entry.name, ColorListBox1);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(206, 212, 75, 27);
    Button1->setDefault(true);
    Button3 = new QPushButton(QStringLiteral("Rétablir"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(290, 212, 75, 27);

    selectStoredRows();
    // A row counts when it is selected (click or arrow keys), not when the list
    // merely makes its first row current on getting the focus.
    const auto onSelection = [this](QListWidget *list, void (TUformatrechercher15v3::*handler)(int)) {
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list, handler] {
            const QList<QListWidgetItem *> selected = list->selectedItems();
            if (!selected.isEmpty())
                (this->*handler)(list->row(selected.constFirst()));
        });
    };
    onSelection(ListBox1, &TUformatrechercher15v3::ListBox1Click);
    onSelection(ListBox2, &TUformatrechercher15v3::ListBox2Click);
    onSelection(ColorListBox1, &TUformatrechercher15v3::ColorListBox1Click);
    connect(Button1, &QPushButton::clicked, this, &TUformatrechercher15v3::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TUformatrechercher15v3::Button3Click);
}

QListWidget *TUformatrechercher15v3::makeList(const QString &objectName, const QString &caption, const QRect &rect)
{
    auto *label = new QLabel(caption, this);
    label->setGeometry(rect.left(), 6, rect.width(), 18);
    auto *list = new QListWidget(this);
    list->setObjectName(objectName);
    list->setGeometry(rect);
    return list;
}

void TUformatrechercher15v3::selectStoredRows()
{
    const QSignalBlocker blockFonts(ListBox1), blockSizes(ListBox2), blockColours(ColorListBox1);
    ListBox1->setCurrentRow(m_side->fontRow);
    ListBox2->setCurrentRow(m_side->sizeRow);
    ColorListBox1->setCurrentRow(m_side->colourRow);
    for (QListWidget *list : {ListBox1, ListBox2, ColorListBox1})
        if (list->currentRow() < 0)
            list->clearSelection();
}

void TUformatrechercher15v3::ListBox1Click(int row)
{
    if (row < 0)
        return;
    m_side->font = ListBox1->item(row)->text();
    m_side->fontRow = row;
}

void TUformatrechercher15v3::ListBox2Click(int row)
{
    if (row < 0)
        return;
    m_side->size = ListBox2->item(row)->text();
    m_side->sizeRow = row;
}

void TUformatrechercher15v3::ColorListBox1Click(int row)
{
    if (row < 0)
        return;
    m_side->colour = ColorListBox1->item(row)->text();
    m_side->colourRow = row;
}

void TUformatrechercher15v3::Button1Click()
{
    emit attributesConfirmed();
    close();
}

void TUformatrechercher15v3::Button3Click()
{
    m_side->clear();
    selectStoredRows();
    emit sideCleared();
}

bool TUformatrechercher15v3::event(QEvent *event)
{
    if (event->type() == QEvent::WindowDeactivate)
        closeWhenInactive();
    return QDialog::event(event);
}

void TUformatrechercher15v3::closeWhenInactive()
{
    // A box of ours takes the activation for a moment: that is not the pupil
    // clicking elsewhere.
    if (MessageBox::isShowing())
        return;
    // Deferred: the window system is still delivering the deactivation.
    QTimer::singleShot(0, this, [this] {
        if (!isActiveWindow() && !MessageBox::isShowing())
            close();
    });
}
