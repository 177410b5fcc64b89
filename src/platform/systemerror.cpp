#include "platform/systemerror.h"

#include <cerrno>
#include <cstring>

namespace qel {

// The reasons a user meets, in French whatever the system's language; others as the system
// words them.
QString systemErrorText(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("Permission non accordée");
    case ENOENT:
        return QStringLiteral("Aucun fichier ou dossier de ce type");
    case ENOTDIR:
        return QStringLiteral("N'est pas un dossier");
    case EISDIR:
        return QStringLiteral("Est un dossier");
    case ENOSPC:
        return QStringLiteral("Aucun espace disponible sur le périphérique");
    case EROFS:
        return QStringLiteral("Système de fichiers accessible en lecture seulement");
    case EDQUOT:
        return QStringLiteral("Quota de disque dépassé");
    case ENAMETOOLONG:
        return QStringLiteral("Nom de fichier trop long");
    case EIO:
        return QStringLiteral("Erreur d'entrée/sortie");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace qel
