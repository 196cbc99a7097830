#include "administration/timportcomptev3.h"

#include "administration/accountimport.h"
#include "administration/filechooser.h"
#include "records/datafolder.h"
#include "records/recordstore.h"
#include "records/textfile.h"
#include "widgets/messagebox.h"
#include "widgets/placement.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTableWidget>

namespace {
constexpr int GridColumns = 5;
constexpr int StatusColumn = 4;
constexpr int GridRows = 1000;   // a header row and 999 lines; it grows for longer files

const QString NoFileChosen = QStringLiteral("Vous n'avez sélectionné aucun fichier");
const QString FileTypes = QStringLiteral("Fichiers texte et tableurs (*.csv *.txt *.tsv);;Tous les fichiers (*)");

// What became of an account at the import.
QString resultText(AccountImport::Result result, const IoStatus &status)
{
    switch (result) {
    case AccountImport::Result::Created: return QStringLiteral("créé");
    case AccountImport::Result::Replaced: return QStringLiteral("remplacé");
    case AccountImport::Result::Kept: return QStringLiteral("conservé");
    case AccountImport::Result::Failed: return QStringLiteral("échec : ") + status.message();
    default: return AccountImport::refusalText(result);
    }
}

struct Tally
{
    int created = 0, replaced = 0, kept = 0, refused = 0;

    void count(AccountImport::Result result)
    {
        using R = AccountImport::Result;
        (result == R::Created ? created : result == R::Replaced ? replaced : result == R::Kept ? kept : refused) += 1;
    }
    QString text() const
    {
        return QStringLiteral("Import terminé. Comptes créés : %1 ; remplacés : %2 ; conservés : %3 ; refusés : %4")
            .arg(created).arg(replaced).arg(kept).arg(refused);
    }
};
}

Timportcomptev3::Timportcomptev3(QWidget *console)
    : QWidget(nullptr, Qt::FramelessWindowHint), m_console(console)
{
    setObjectName(QStringLiteral("importcomptev3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(840, 660);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    setFont(tahoma);

    Label3 = place(new QLabel(QStringLiteral("Importation de comptes via un fichier CSV"), this), "Label3", QRect(216, 16, 420, 28));
    QFont title = tahoma;
    title.setPixelSize(19);
    Label3->setFont(title);

    Memo1 = place(new QPlainTextEdit(this), "Memo1", QRect(192, 80, 385, 105));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QStringList{QStringLiteral("Vous pouvez importer à partir d'un fichier csv un ensemble de comptes."),
                                    QStringLiteral("Ce fichier  devra avoir comme format :"), QString(),
                                    QStringLiteral("login  mdp classe"), QString(),
                                    QStringLiteral("Séparateur de champ:  tabulation"),
                                    QStringLiteral("Séparateur de texte : aucun"), QString(),
                                    QStringLiteral("Un tableur enregistré en CSV (séparateur « ; » ou « , ») avec une ligne "
                                                   "d'en-tête Nom;Prénom;Classe convient aussi : identifiants et mots de "
                                                   "passe sont alors créés pour les élèves.")}
                            .join(QLatin1Char('\n')));

    Button2 = place(new QPushButton(QStringLiteral("Sélectionner un fichier ....."), this), "Button2", QRect(312, 192, 153, 41));
    Edit1 = place(new QLineEdit(QStringLiteral("Vous n'avez sélectionné aucun fichier !"), this), "Edit1", QRect(72, 248, 673, 21));
    Edit1->setReadOnly(true);
    Button6 = place(new QPushButton(QStringLiteral("Importer les comptes"), this), "Button6", QRect(312, 296, 153, 41));
    Button6->hide();
    Label4 = place(new QLabel(this), "Label4", QRect(72, 274, 673, 18));
    Label4->setAlignment(Qt::AlignCenter);
    Button7 = place(new QPushButton(QStringLiteral("Imprimer les cartes"), this), "Button7", QRect(312, 296, 153, 41));
    Button7->setToolTip(QStringLiteral("Les cartes de connexion des comptes créés, dix par page A4, à découper"));
    Button7->hide();

    StringGrid1 = place(new QTableWidget(GridRows, GridColumns, this), "StringGrid1", QRect(144, 360, 561, 289));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const int widths[GridColumns] = {36, 118, 80, 72, 235};
    for (int c = 0; c < GridColumns; ++c)
        StringGrid1->setColumnWidth(c, widths[c]);
    StringGrid1->verticalHeader()->setDefaultSectionSize(20);
    for (int row = 0; row < GridRows; ++row)
        setGridRow(row, {QString()});

    Button1 = place(new QPushButton(QStringLiteral("Quitter"), this), "Button1", QRect(744, 608, 75, 25));

    connect(Button2, &QPushButton::clicked, this, &Timportcomptev3::Button2Click);
    connect(Button6, &QPushButton::clicked, this, &Timportcomptev3::Button6Click);
    connect(Button1, &QPushButton::clicked, this, &Timportcomptev3::Button1Click);
    connect(Button7, &QPushButton::clicked, this, &Timportcomptev3::Button7Click);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Timportcomptev3::setGridRow(int row, const QStringList &cells)
{
    if (row >= StringGrid1->rowCount())
        StringGrid1->setRowCount(row + 1);
    for (int c = 0; c < cells.size() && c < GridColumns; ++c) {
        QTableWidgetItem *item = StringGrid1->item(row, c);
        if (!item) {
            item = new QTableWidgetItem;
            if (c == 0 || row == 0)   // the fixed column and header row
                item->setBackground(palette().color(QPalette::Button));
            StringGrid1->setItem(row, c, item);
        }
        item->setText(cells.at(c));
    }
}

void Timportcomptev3::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    setGridRow(0, {QString(), QStringLiteral("Login"), QStringLiteral("MDP"), QStringLiteral("Classe"), QStringLiteral("État")});
}

void Timportcomptev3::Button2Click()
{
    Button6->hide();
    const QString chosen = FileChooser::openFile(this, FileTypes);
    if (!chosen.isEmpty()) {
        m_fileName = chosen;
        preview();
    }
    if (m_fileName.isEmpty()) {
        Edit1->setText(NoFileChosen);
        return;
    }
    Edit1->setText(QStringLiteral(" Vous avez sélectionné le fichier          ") + m_fileName);
    showStatuses();
}

void Timportcomptev3::clearPreview()
{
    for (int row = 1; row <= m_accounts.size(); ++row) {
        StringGrid1->removeCellWidget(row, StatusColumn);
        setGridRow(row, QStringList(GridColumns, QString()));
    }
    m_accounts.clear();
    Label4->clear();
}

// Reads the chosen file and shows what each line would become; nothing is written.
void Timportcomptev3::preview()
{
    clearPreview();
    QByteArray bytes;
    const IoStatus read = TextFile::readBytes(m_fileName, &bytes);
    if (!read || bytes.isEmpty()) {
        MessageBox::error(read ? QStringLiteral("Lecture au-delà de la fin de fichier") : read.message(), this);
        return;
    }
    m_accounts = ImportPreview::prepare(AccountImport::readFile(bytes), *QRandomGenerator::system());
    for (int row = 1; row <= m_accounts.size(); ++row) {
        const AccountImport::Line &line = m_accounts.at(row - 1).line;
        setGridRow(row, {QString::number(line.number), line.login, line.password, line.className});
        StringGrid1->item(row, 1)->setToolTip(ImportPreview::fullName(line));
    }
}

// Sets the status column and the count above the grid from the class list and
// the records as they are now.
void Timportcomptev3::showStatuses()
{
    QStringList classes;
    RecordStore::loadTextList(DataFolder::classListPath(), &classes);   // a missing list knows no class
    ImportPreview::classify(m_accounts, classes);
    int importable = 0;
    for (int row = 1; row <= m_accounts.size(); ++row) {
        const ImportPreview::Account &account = m_accounts.at(row - 1);
        importable += ImportPreview::willImport(account.status) ? 1 : 0;
        setGridRow(row, {QString::number(account.line.number), account.line.login, account.line.password,
                         account.line.className, ImportPreview::statusText(account.status)});
        StringGrid1->removeCellWidget(row, StatusColumn);
        if (account.status != ImportPreview::Status::UnknownClass)
            continue;
        const QString className = account.line.className;
        auto *add = new QPushButton(QStringLiteral("classe inconnue : ajouter « ") + className + QStringLiteral(" »"));
        add->setObjectName(QStringLiteral("addClass%1").arg(row));
        connect(add, &QPushButton::clicked, this, [this, className] { addClass(className); });
        StringGrid1->setCellWidget(row, StatusColumn, add);
    }
    if (m_accounts.isEmpty())
        Label4->setText(QStringLiteral("Aucun compte à importer dans ce fichier."));
    else
        Label4->setText(QStringLiteral("Lignes lues : %1 ; comptes à importer : %2 ; lignes refusées : %3")
                            .arg(m_accounts.size()).arg(importable).arg(m_accounts.size() - importable));
    Button6->setVisible(importable > 0);
}

// One click adds a class the list lacks; the lines of that class can then be imported.
void Timportcomptev3::addClass(const QString &className)
{
    QStringList classes;
    RecordStore::loadTextList(DataFolder::classListPath(), &classes);
    if (!classes.contains(className)) {
        const IoStatus saved = RecordStore::saveTextList(DataFolder::classListPath(), classes << className);
        if (!saved) {
            MessageBox::error(saved.message(), this);
            return;
        }
    }
    showStatuses();
}

void Timportcomptev3::Button6Click()
{
    Button2->hide();
    Button6->hide();

    AccountImport::Importer importer([this](const QString &login) {
        // Escape or the close box must not answer "O&ui pour tout" and wipe accounts: it means "&Non".
        const int button = MessageBox::customWithEscape(MessageBox::captionOf(MessageBox::Kind::Confirmation),
                                                        AccountImport::existingAccountQuestion(login),
                                                        AccountImport::replyButtons(), int(AccountImport::Reply::No), this);
        return AccountImport::Reply(qBound(0, button, 3));
    });
    Tally tally;
    for (int row = 1; row <= m_accounts.size(); ++row) {
        StringGrid1->removeCellWidget(row, StatusColumn);
        if (!ImportPreview::willImport(m_accounts.at(row - 1).status)) {
            ++tally.refused;
            continue;
        }
        const AccountImport::Result result = importRow(importer, row);
        tally.count(result);
        if (result == AccountImport::Result::Failed)
            break;
    }
    Label4->setText(tally.text());
    Button7->setVisible(!m_cards.isEmpty());
}

// Imports the account of a grid row and tells what became of it there; a
// created account gets its card, a failure is told in a box.
AccountImport::Result Timportcomptev3::importRow(AccountImport::Importer &importer, int row)
{
    const AccountImport::Line &line = m_accounts.at(row - 1).line;
    IoStatus status;
    const AccountImport::Result result = importer.importLine(line, &status);
    setGridRow(row, {QString::number(line.number), line.login, line.password, line.className, resultText(result, status)});
    if (result == AccountImport::Result::Created || result == AccountImport::Result::Replaced)
        m_cards.append({line.login, line.className, line.password, ImportPreview::fullName(line)});
    if (result == AccountImport::Result::Failed)
        MessageBox::error(status.message(), this);
    return result;
}

void Timportcomptev3::Button7Click() { LoginCards::print(m_cards, this); }

void Timportcomptev3::Button1Click() { close(); }

void Timportcomptev3::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (m_console)
        m_console->close();
}

void Timportcomptev3::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);   // a thin frame: the window has no border of its own
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
