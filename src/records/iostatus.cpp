#include "records/iostatus.h"

#include <cerrno>

QString IoStatus::message() const
{
    switch (m_errno) {
    case 0: return {};
    case ENOENT:
    case ENOTDIR: return QStringLiteral("Fichier introuvable");
    case EACCES:
    case EPERM:
    case EROFS:
    case EEXIST:
    case EISDIR:
    case EBUSY: return QStringLiteral("Accès au fichier refusé");
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return QStringLiteral("Disque plein");
    default: return QStringLiteral("Erreur E/S ") + QString::number(m_errno);
    }
}
