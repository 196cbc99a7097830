#include "records/passwordhash.h"

#include "records/cp1252.h"

#include <QCryptographicHash>

QString passwordHash(const QString &password)
{
    const QByteArray digest = QCryptographicHash::hash(Cp1252::encode(password), QCryptographicHash::Md5);
    return QString::fromLatin1(digest.toHex());   // toHex writes lower case
}
