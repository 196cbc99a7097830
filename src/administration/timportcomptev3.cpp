#include "administration/timportcomptev3.h"

#include "administration/accountimport.h"
#include "administration/filechooser.h"
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
#include <QScreen>
#include <QTableWidget>

namespace {
constexpr int GridColumns = 4;
constexpr int GridRows = 1000;   // a header row and 999 lines; it grows for longer files

const QString NoFileChosen = QStringLiteral("Vous n'avez sélectionné aucun fichier");
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
                                    QStringLiteral("Séparateur de texte : aucun"), QString(), QString()}
                            .join(QLatin1Char('\n')));

    Button2 = place(new QPushButton(QStringLiteral("Sélectionner un fichier ....."), this), "Button2", QRect(312, 192, 153, 41));
    Edit1 = place(new QLineEdit(QStringLiteral("Vous n'avez sélectionné aucun fichier !"), this), "Edit1", QRect(72, 248, 673, 21));
    Edit1->setReadOnly(true);
    Button6 = place(new QPushButton(QStringLiteral("Importer les comptes"), this), "Button6", QRect(312, 296, 153, 41));
    Button6->hide();

    StringGrid1 = place(new QTableWidget(GridRows, GridColumns, this), "StringGrid1", QRect(144, 360, 561, 289));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setColumnWidth(0, 64);
    for (int c = 1; c < GridColumns; ++c)
        StringGrid1->setColumnWidth(c, 160);
    StringGrid1->verticalHeader()->setDefaultSectionSize(20);
    for (int row = 0; row < GridRows; ++row)
        setGridRow(row, {QString()});

    Button1 = place(new QPushButton(QStringLiteral("Quitter"), this), "Button1", QRect(744, 608, 75, 25));

    connect(Button2, &QPushButton::clicked, this, &Timportcomptev3::Button2Click);
    connect(Button6, &QPushButton::clicked, this, &Timportcomptev3::Button6Click);
    connect(Button1, &QPushButton::clicked, this, &Timportcomptev3::Button1Click);

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
    setGridRow(0, {QString(), QStringLiteral("Login"), QStringLiteral("MDP"), QStringLiteral("Classe")});
}

void Timportcomptev3::Button2Click()
{
    Button6->hide();
    const QString chosen = FileChooser::openFile(this, QStringLiteral("csv (*.csv)"));
    if (!chosen.isEmpty())
        m_fileName = chosen;
    if (m_fileName.isEmpty()) {
        Edit1->setText(NoFileChosen);
        return;
    }
    Edit1->setText(QStringLiteral(" Vous avez sélectionné le fichier          ") + m_fileName);
    Button6->show();
}

void Timportcomptev3::Button6Click()
{
    Button2->hide();
    Button6->hide();

    QByteArray bytes;
    const IoStatus read = TextFile::readBytes(m_fileName, &bytes);
    if (!read) {
        MessageBox::error(read.message(), this);
        return;
    }
    if (bytes.isEmpty()) {
        MessageBox::error(QStringLiteral("Lecture au-delà de la fin de fichier"), this);
        return;
    }

    AccountImport::Importer importer([this](const QString &login) {
        // Escape or the close box must not answer "O&ui pour tout" and wipe accounts: it means "&Non".
        const int button = MessageBox::customWithEscape(MessageBox::captionOf(MessageBox::Kind::Confirmation),
                                                        AccountImport::existingAccountQuestion(login),
                                                        AccountImport::replyButtons(), int(AccountImport::Reply::No), this);
        return AccountImport::Reply(qBound(0, button, 3));
    });
    for (const AccountImport::Line &line : AccountImport::readLines(bytes)) {
        setGridRow(line.number, {QString::number(line.number), line.login, line.password, line.className});
        IoStatus status;
        const AccountImport::Result result = importer.importLine(line, &status);
        const QString refusal = AccountImport::refusalText(result);
        if (!refusal.isEmpty())
            setGridRow(line.number, {QString::number(line.number), line.login, line.password, refusal});
        if (result == AccountImport::Result::Failed) {
            MessageBox::error(status.message(), this);
            return;
        }
    }
}

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
