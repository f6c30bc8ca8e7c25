#include "DialogueFichier.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "IconesSansLecture.h"
#include "InfosFichiersFrancais.h"
#include "Messages.h"

namespace {
// Un chemin tapé puis Entrée ferme le dialogue sans fermer la liste de complétion ouverte
// sous le nom : elle resterait à l'écran jusqu'au clic suivant.
void FermeCompletionAvecLeDialogue(QFileDialog& dialogue)
{
    QObject::connect(&dialogue, &QDialog::finished, &dialogue, [&dialogue] {
        for (QCompleter* completion : dialogue.findChildren<QCompleter*>())
            completion->popup()->hide();
    });
}
}

QFileDialog* CreeDialogueFichier(QWidget* parent, const QString& titre, QFileDialog::AcceptMode mode,
                                 const QString& filtre, const QString& extension)
{
    auto* dialogue = new QFileDialog(parent, titre);
    // Le dialogue de Qt, pas celui du bureau : lui seul a les vues que les deux objets suivants
    // règlent, et il parle français partout.
    dialogue->setOption(QFileDialog::DontUseNativeDialog);
    // Sa question porterait sur le nom tapé, pas toujours celui qui sera écrit.
    dialogue->setOption(QFileDialog::DontConfirmOverwrite);
    // Avant le choix du dossier : aucune entrée listée ne doit être lue pour son type.
    new TIconesSansLecture(*dialogue);
    new TInfosFichiersFrancais(*dialogue);
    FermeCompletionAvecLeDialogue(*dialogue);
    dialogue->setAcceptMode(mode);
    dialogue->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialogue->setNameFilter(filtre);
    dialogue->setDefaultSuffix(extension);
    dialogue->setDirectory(QDir::homePath());
    return dialogue;
}

QString ExecuteDialogueFichier(QFileDialog& dialogue)
{
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return QString();
    return dialogue.selectedFiles().constFirst();
}

bool RemplacementAccepte(const QString& chemin)
{
    if (!QFileInfo::exists(chemin))
        return true;
    return PoseQuestion(QStringLiteral("Le fichier « %1 » existe déjà.\nVoulez-vous le remplacer ?")
                            .arg(QDir::toNativeSeparators(chemin)))
           == TReponse::Oui;
}

QString DossierDesDocuments()
{
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return dossier.isEmpty() ? QDir::homePath() : dossier;
}
