#include "DossierFichiers.h"

#include <QDir>
#include <QFileInfo>

QString DossierFichiersDe(const QString& dossierExecutable)
{
    const QString aCote = dossierExecutable + QStringLiteral("/fichiers/");
    const QString installe =
        QDir::cleanPath(dossierExecutable + QStringLiteral("/../share/kovra/fichiers")) + QStringLiteral("/");
    if (!QFileInfo(aCote).isDir() && QFileInfo(installe).isDir())
        return installe;
    return aCote;
}
