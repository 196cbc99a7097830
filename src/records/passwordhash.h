#pragma once
#include <QString>

// MD5 of the password's Windows-1252 bytes, as 32 lower-case hexadecimal digits.
QString passwordHash(const QString &password);
