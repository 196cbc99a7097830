#pragma once
#include "administration/filechooser.h"
#include "administration/tadmin.h"
#include "records/cp1252.h"
#include "records/passwordhash.h"
#include "records/recordstore.h"
#include "support/pupilrobot.h"
#include "support/scriptedmessages.h"
#include "support/tempdatafolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

// Bytes of a text file as the program writes it: cp1252, every line ended by CR LF.
inline QByteArray crlfBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += Cp1252::encode(line) + "\r\n";
    return bytes;
}

// The lines of a record file: "nom", name, digest, class and the groups given as
// "oui"/"non" + date + validator, under the label word.
inline QStringList recordLines(const QString &name, const QString &password, const QString &className,
                               const QList<std::array<QString, 3>> &groups, const QString &labelWord = QStringLiteral("competence "))
{
    QStringList lines{QStringLiteral("nom"), name, passwordHash(password), className};
    for (int n = 1; n <= groups.size(); ++n) {
        lines << labelWord + QString::number(n);
        for (const QString &field : groups.at(n - 1))
            lines << field;
    }
    return lines;
}

// 29 groups, "oui" with date and validator for the competences listed.
inline QList<std::array<QString, 3>> groupsWith(const QList<int> &acquired, int count = CompetenceCount,
                                                const QString &date = QStringLiteral("02/10/2026"),
                                                const QString &validator = QStringLiteral("Mme Laurent"))
{
    QList<std::array<QString, 3>> groups;
    for (int n = 1; n <= count; ++n) {
        if (acquired.contains(n))
            groups.append({QStringLiteral("oui"), date, validator});
        else
            groups.append({QStringLiteral("non"), QString(), QString()});
    }
    return groups;
}

// An open console over a fresh data folder, with a stand-in main window.
class ConsoleTest : public ::testing::Test
{
protected:
    // No test ever waits on a real file dialog: unless a test installs its own
    // chooser, every dialog is cancelled.
    void SetUp() override
    {
        mainWindow.setObjectName(QStringLiteral("form1"));
        FileChooser::setChooser(&cancelledDialogs);
    }
    void TearDown() override
    {
        if (console)
            delete console.data();
        FileChooser::setChooser(nullptr);
    }

    void writeRecord(const QString &name, const QStringList &lines) const
    {
        data.writeBytes(QStringLiteral("sauvegardes/") + name + QStringLiteral("-qib.txt"), crlfBytes(lines));
    }
    QByteArray recordBytes(const QString &name) const
    {
        return data.readBytes(QStringLiteral("sauvegardes/") + name + QStringLiteral("-qib.txt"));
    }
    QStringList recordFileLines(const QString &name) const
    {
        QString text = Cp1252::decode(recordBytes(name));
        if (text.endsWith(QStringLiteral("\r\n")))
            text.chop(2);
        return text.split(QStringLiteral("\r\n"));
    }

    void openConsole()
    {
        console = new Tadmin(&mainWindow);
        console->show();
        console->loadClassList();
        robot.setWindow(console);
        QApplication::processEvents();
    }

    template <typename T = QWidget>
    T *child(const QString &name) const
    {
        T *w = console ? console->findChild<T *>(name) : nullptr;
        EXPECT_TRUE(w) << "no control " << name.toStdString();
        return w;
    }

    QListWidget *classList() const { return child<QListWidget>(QStringLiteral("ListBox1")); }
    QListWidget *pupilList() const { return child<QListWidget>(QStringLiteral("ListBox2")); }

    // Clicks the item of a list as the mouse would, on its row.
    void clickItem(QListWidget *list, const QString &text)
    {
        const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        list->scrollToItem(found.first());
        const QPoint inViewport = list->visualItemRect(found.first()).center();
        robot.click(list->viewport()->mapTo(console.data(), inViewport));
    }
    void clickClass(const QString &className) { clickItem(classList(), className); }
    void clickPupil(const QString &name) { clickItem(pupilList(), name); }
    void clickButton(const QString &objectName) { robot.click(child<QWidget>(objectName)); }

    QStringList listed(QListWidget *list) const
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

    TempDataFolder data;
    FileChooser::FixedChoice cancelledDialogs;
    ScriptedMessages boxes;
    QWidget mainWindow;
    QPointer<Tadmin> console;
    PupilRobot robot;
};
