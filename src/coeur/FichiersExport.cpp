#include "FichiersExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "EcritureFichier.h"

namespace {

// Chemin sans lien symbolique ni "..", même pour un fichier encore absent : deux noms du même
// fichier donnent le même texte.
QString Canonique(const QString& chemin)
{
    const QFileInfo info(chemin);
    if (info.exists())
        return info.canonicalFilePath();
    const QString dossier = info.absoluteDir().canonicalPath();
    return dossier.isEmpty() ? info.absoluteFilePath() : QDir(dossier).filePath(info.fileName());
}

}

QString CheminCopieDeTravail(const QString& modele, const QString& dossierTravail)
{
    return QDir(dossierTravail).filePath(QStringLiteral("Copie de ") + QFileInfo(modele).fileName());
}

bool CopieModele(const QString& modele, const QString& copie)
{
    // La copie garde les droits du modèle : un modèle installé en lecture seule en donnerait une
    // que le classeur ne pourrait pas réécrire.
    if (!QFile::copy(modele, copie))
        return false;
    QFile(copie).setPermissions(QFile(copie).permissions() | QFileDevice::WriteOwner);
    return true;
}

bool PoseResultat(const QString& copie, const QString& resultat)
{
    if (Canonique(copie) == Canonique(resultat))
        return QFile::exists(copie);
    QFile source(copie);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray contenu = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return false;
    // Tout le classeur passe d'un coup : un disque plein ne laisse pas un résultat tronqué.
    QString raison;
    return EcritFichierEntier(resultat, contenu, raison) == TEcritureFichier::Faite;
}

bool CibleProtegee(const QString& resultat, const QString& modele, const QString& dossierFichiers)
{
    const QString cible = Canonique(resultat);
    if (cible == Canonique(modele))
        return true;
    const QString dossier = QDir(dossierFichiers).canonicalPath();
    return !dossier.isEmpty() && QFileInfo(cible).absolutePath() == dossier;
}
