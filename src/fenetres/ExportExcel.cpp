#include "ExportExcel.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QFileInfo>
#include <QProgressBar>
#include <QTemporaryDir>
#include <memory>

#include "DialogueFichier.h"
#include "Messages.h"
#include "coeur/ClasseurOOXML.h"
#include "coeur/Document.h"
#include "coeur/ExportTableur.h"
#include "coeur/FichiersExport.h"

namespace {

constexpr int HauteurBarre = 15;

struct TNomsExport {
    QString Modele;
    QString Resultat;
};

TNomsExport NomsDe(TSujetExport sujet)
{
    if (sujet == TSujetExport::Diagramme)
        return {QStringLiteral("modèle diagrammes.xlsx"), QStringLiteral("Diagrammes.xlsx")};
    return {QStringLiteral("modèle réponses temporelles.xlsx"), QStringLiteral("réponse temporelle.xlsx")};
}

// Le dialogue s'ouvre dans `dossier`, sur le nom proposé.
QString Choisit(QMainWindow& fenetre, const QString& titre, QFileDialog::AcceptMode mode, const QString& dossier,
                const QString& nom, const std::function<QString(QFileDialog&)>& choix)
{
    const std::unique_ptr<QFileDialog> dialogue(CreeDialogueFichier(
        &fenetre, titre, mode, QStringLiteral("Fichiers Excel (*.xlsx)"), QStringLiteral("xlsx")));
    dialogue->setDirectory(dossier);
    dialogue->selectFile(QDir(dossier).filePath(nom));
    const QString chemin = choix(*dialogue);
    // La fenêtre se repeint là où le dialogue la couvrait.
    QCoreApplication::processEvents();
    return chemin;
}

// Redemandé tant que le nom est celui d'un modèle ou que son remplacement est refusé ; le
// dialogue s'ouvre dans le dossier du dernier export, sinon dans celui des documents.
QString ChoisitResultat(QMainWindow& fenetre, TDocument& doc, const QString& modele, const QString& nom,
                        const std::function<QString(QFileDialog&)>& choix)
{
    for (;;) {
        const QString dossier = doc.DossierExport.isEmpty() ? DossierDesDocuments() : doc.DossierExport;
        const QString chemin = Choisit(fenetre, QStringLiteral("Fichier de sauvegarde"), QFileDialog::AcceptSave,
                                       dossier, nom, choix);
        if (chemin.isEmpty())
            return {};
        if (CibleProtegee(chemin, modele, doc.DossierFichiers))
            AfficheMessage(QStringLiteral("Les modèles du programme ne peuvent pas recevoir un export : "
                                          "choisissez un autre dossier."));
        else if (RemplacementAccepte(chemin))
            return chemin;
    }
}

// Barre le long du bas de la fenêtre et curseur d'attente, le temps du remplissage.
class TAttente {
public:
    TAttente(QMainWindow& fenetre, int etapes) : barre_(new QProgressBar(&fenetre))
    {
        barre_->setRange(0, etapes);
        barre_->setValue(0);
        barre_->setTextVisible(false);
        barre_->setGeometry(0, fenetre.height() - HauteurBarre, fenetre.width(), HauteurBarre);
        barre_->show();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~TAttente()
    {
        delete barre_;
        QApplication::restoreOverrideCursor();
    }
    TAttente(const TAttente&) = delete;
    TAttente& operator=(const TAttente&) = delete;

    void Avance() { barre_->setValue(barre_->value() + 1); }

private:
    QProgressBar* barre_;
};

bool Remplit(QMainWindow& fenetre, const TDocument& doc, const TTraceExporte& trace, const QString& copie)
{
    const bool diagramme = trace.Sujet == TSujetExport::Diagramme;
    const int etapes = diagramme ? EtapesExportDiagramme(doc, trace.Echelles) : EtapesExportReponse();
    TAttente attente(fenetre, etapes);
    const TAvanceExport avance = [&attente] { attente.Avance(); };
    try {
        TClasseurOOXML classeur;
        classeur.Ouvre(copie);
        if (diagramme)
            ExporteDiagramme(classeur, doc, trace.Echelles, avance);
        else
            ExporteReponse(classeur, doc, trace.Valeurs, avance);
        classeur.Enregistre();
        return true;
    } catch (const std::exception&) {
        // Un modèle qui n'est pas un classeur lisible, ou un classeur que l'on ne peut réécrire.
        AfficheMessage(QStringLiteral("il y a eu un problème"));
        return false;
    }
}

bool Exporte(QMainWindow& fenetre, TDocument& doc, const TTraceExporte& trace,
             const std::function<QString(QFileDialog&)>& choix)
{
    const TNomsExport noms = NomsDe(trace.Sujet);
    const QString modele = Choisit(fenetre, QStringLiteral("Fichier modèle à utiliser"), QFileDialog::AcceptOpen,
                                   doc.DossierFichiers, noms.Modele, choix);
    if (modele.isEmpty())
        return false;
    // La copie de travail disparaît avec ce dossier, à la sortie, quelle qu'elle soit.
    const QTemporaryDir travail;
    const QString copie = CheminCopieDeTravail(modele, travail.path());
    if (!travail.isValid() || !CopieModele(modele, copie)) {
        AfficheMessage(QStringLiteral("échec de la création du fichier temporaire"));
        return false;
    }
    if (!Remplit(fenetre, doc, trace, copie))
        return false;
    const QString resultat = ChoisitResultat(fenetre, doc, modele, noms.Resultat, choix);
    if (resultat.isEmpty())
        return false;
    if (!PoseResultat(copie, resultat)) {
        AfficheMessage(QStringLiteral("échec de la copie"));
        return false;
    }
    doc.DossierExport = QFileInfo(resultat).absolutePath();
    return true;
}
}

bool ExporteExcel(QMainWindow& fenetre, TDocument& doc, const TTraceExporte& trace,
                  const std::function<QString(QFileDialog&)>& choix)
{
    const bool reussi = Exporte(fenetre, doc, trace, choix);
    AfficheMessage(reussi ? QStringLiteral("exportation terminée") : QStringLiteral("pas d'exportation"));
    return reussi;
}
