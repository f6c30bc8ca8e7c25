#include "IconesSansLecture.h"

#include <QFileDialog>
#include <QMimeDatabase>

TIconesSansLecture::TIconesSansLecture(QFileDialog& dialogue) : QObject(&dialogue)
{
    dialogue.setIconProvider(this);
}

QIcon TIconesSansLecture::icon(const QFileInfo& info) const
{
    if (info.isRoot())
        return icon(Drive);
    if (info.isDir())
        return icon(Folder);
    return icon(File);
}

QString TIconesSansLecture::type(const QFileInfo& info) const
{
    if (info.isDir())
        return QStringLiteral("Dossier");
    // Recherche sur le seul nom : ni ouverture, ni lecture.
    const QList<QMimeType> types = QMimeDatabase().mimeTypesForFileName(info.fileName());
    return types.isEmpty() ? QStringLiteral("Fichier") : types.constFirst().comment();
}
