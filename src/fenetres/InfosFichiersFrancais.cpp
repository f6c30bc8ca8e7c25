#include "InfosFichiersFrancais.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLocale>

namespace {
// Colonnes du modèle des fichiers : nom, taille, type, date de modification.
constexpr int ColonneTaille = 1;
constexpr int ColonneDate = 3;
}

TInfosFichiersFrancais::TInfosFichiersFrancais(QFileDialog& dialogue) : QIdentityProxyModel(&dialogue)
{
    dialogue.setProxyModel(this);
}

QVariant TInfosFichiersFrancais::data(const QModelIndex& index, int role) const
{
    const auto* fichiers = qobject_cast<const QFileSystemModel*>(sourceModel());
    const bool taille = index.column() == ColonneTaille;
    if (!fichiers || role != Qt::DisplayRole || (!taille && index.column() != ColonneDate))
        return QIdentityProxyModel::data(index, role);
    const QFileInfo info(fichiers->filePath(mapToSource(index)));
    const QLocale francais(QLocale::French);
    if (!taille)
        return francais.toString(info.lastModified(), QLocale::ShortFormat);
    // Un dossier n'a pas de taille à montrer.
    return info.isDir() ? QIdentityProxyModel::data(index, role) : QVariant(francais.formattedDataSize(info.size()));
}
