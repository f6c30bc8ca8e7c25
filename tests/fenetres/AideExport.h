#pragma once
// Dialogues de fichiers de l'export répondus dans l'ordre, sans exec() : chaque dialogue
// ouvert est noté (titre, dossier, nom proposé, filtre).
#include <QApplication>
#include <QFileDialog>
#include <QProgressBar>
#include <QStringList>
#include <functional>

inline const QString ModeleDiagrammes = QStringLiteral(KOVRA_FICHIERS "/modèle diagrammes.xlsx");
inline const QString ModeleReponses = QStringLiteral(KOVRA_FICHIERS "/modèle réponses temporelles.xlsx");

struct TChoixExport {
    QStringList Reponses;  // vide : l'utilisateur renonce
    QStringList Titres;
    QStringList Dossiers;
    QStringList Noms;
    QStringList Filtres;

    std::function<QString(QFileDialog&)> Fonction()
    {
        return [this](QFileDialog& d) {
            Titres << d.windowTitle();
            Dossiers << d.directory().absolutePath();
            Noms << d.selectedFiles().value(0);
            Filtres << d.nameFilters().join(u';');
            return Reponses.isEmpty() ? QString() : Reponses.takeFirst();
        };
    }
};

// Plus de curseur d'attente ni de barre de progression.
inline bool AttenteTerminee(const QWidget& fenetre)
{
    return !QApplication::overrideCursor() && fenetre.findChildren<QProgressBar*>().isEmpty();
}
