#pragma once
#include <QString>

// Outcome of a file operation. A failure carries the errno that caused it and
// reads as the program's message ("Fichier introuvable", "Accès au fichier refusé",
// "Disque plein", "Erreur E/S " + code).
class IoStatus
{
public:
    IoStatus() = default;
    static IoStatus success() { return {}; }
    static IoStatus failure(int errnoCode) { IoStatus s; s.m_errno = errnoCode ? errnoCode : -1; return s; }

    bool ok() const { return m_errno == 0; }
    explicit operator bool() const { return ok(); }
    int errorCode() const { return m_errno; }
    QString message() const;   // empty when ok()

private:
    int m_errno = 0;
};
