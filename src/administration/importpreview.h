#pragma once
#include "administration/accountimport.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QRandomGenerator;

// What the account import will do with each line of a file, worked out and shown
// before anything is written.
namespace ImportPreview {

constexpr int MaxLoginLetters = 12;

// A login made from a pupil's names: the first name, then as many of the
// surname's first letters as it takes to be free, at most 12 characters; digits
// 2, 3 ... follow when every letter is used. Only letters are kept (each word
// capitalised); a letter Windows-1252 lacks loses its accent or is dropped.
// 'taken' tells whether a login is already in use.
QString makeLogin(const QString &firstName, const QString &surname, const std::function<bool(const QString &)> &taken);

// Six characters easy to read aloud and to type: consonant, vowel, consonant,
// vowel, digit, digit, in lower case; never l, 1, I, O, 0 (nor o).
QString makePassword(QRandomGenerator &random);

enum class Status { New, Existing, EmptyLogin, InvalidName, NameTooLong, Duplicate, BadPassword, NoClass, UnknownClass };

struct Account
{
    AccountImport::Line line;   // with the login and password that will be written
    bool madeLogin = false;
    bool madePassword = false;
    Status status = Status::New;
};

// The accounts of a file, blank lines left out. In a file with a header, a line
// with names and no login gets one made, and a line without password gets one
// generated; a file without header is taken as it is.
QList<Account> prepare(const AccountImport::FileContent &file, QRandomGenerator &random);

// Sets each account's status against the records on disk and the class list.
void classify(QList<Account> &accounts, const QStringList &classes);

bool willImport(Status status);   // new or existing
QString statusText(Status status);
QString fullName(const AccountImport::Line &line);   // "Prénom Nom", or ""
}
