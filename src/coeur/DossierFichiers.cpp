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

QString CheminGuideDe(const QString& dossierExecutable)
{
    const QString aCote = dossierExecutable + QStringLiteral("/doc/guide.html");
    const QString installe = QDir::cleanPath(dossierExecutable + QStringLiteral("/../share/doc/kovra/guide.html"));
    if (!QFileInfo::exists(aCote) && QFileInfo::exists(installe))
        return installe;
    return aCote;
}
