// Images du guide que kovra-calcul ne sait pas dessiner : les fenêtres et les dialogues du
// programme, les vrais, remplis d'une étude d'exemple et photographiés hors écran.
// Usage : genere-captures DOSSIER_FICHIERS ETUDE.kvf DOSSIER_IMAGES
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <cstdio>

#include "fenetres/ApplicationKovra.h"
#include "fenetres/CommandesAide.h"
#include "fenetres/CommandesEvans.h"
#include "fenetres/FluxSaisie.h"
#include "fenetres/Messages.h"
#include "fenetres/UAvertRacinesCommunes.h"
#include "fenetres/UBoucleFermee.h"
#include "fenetres/UChoixDephasage.h"
#include "fenetres/UDialCouleurs.h"
#include "fenetres/UEchRepIndic.h"
#include "fenetres/UEcranDiagramme.h"
#include "fenetres/UEcranElemSimples.h"
#include "fenetres/UEcranRepTemp.h"
#include "fenetres/UEcranTabVal.h"
#include "fenetres/UPrinc.h"
#include "fenetres/USaisieCoefs.h"
#include "fenetres/USaisieParamBode.h"
#include "fenetres/USaisieRacines.h"
#include "fenetres/USaisieTailleImpr.h"
#include "fenetres/USaisieTau.h"
#include "coeur/TextesValeurs.h"

namespace {

class TPhotographe {
public:
    explicit TPhotographe(const QString& dossier) : dossier_(dossier + QStringLiteral("/")) {}

    void Photographie(QWidget& fenetre, const QString& nom)
    {
        QCoreApplication::processEvents();
        if (!fenetre.grab().save(dossier_ + nom))
            Echec(QStringLiteral("image impossible à écrire : ") + dossier_ + nom);
    }
    // Le dialogue tel que l'utilisateur le voit à son ouverture, puis validé comme par lui.
    int PhotographieEtValide(QDialog& dialogue, QPushButton* valider, const QString& nom)
    {
        dialogue.show();
        Photographie(dialogue, nom);
        valider->click();
        return dialogue.result();
    }
    void Echec(const QString& raison)
    {
        std::fprintf(stderr, "genere-captures : %s\n", raison.toUtf8().constData());
        reussi_ = false;
    }
    bool Reussi() const { return reussi_; }

private:
    QString dossier_;
    bool reussi_ = true;
};

// Les boîtes de saisie, remplies comme l'étudiant le ferait pour le dénominateur de l'étude.
void Saisies(TEcranPrincipal& ecran, TPhotographe& photo)
{
    ecran.Document.SaisieDenominateur = true;
    TBoiteSaisieCoef& coefs = *ecran.BoiteSaisieCoef;
    coefs.show();
    for (int i = 0; i < TBoiteSaisieCoef::NbChamps; ++i)
        coefs.EcritTabEdit(i, QStringLiteral("0"));
    for (int i = 0; i <= ecran.Document.Systeme.Denominateur.Degre; ++i)
        coefs.EcritTabEdit(i, TexteGeneral(ecran.Document.Systeme.Denominateur.Coef[i].Re, ChiffresRelisibles));
    photo.Photographie(coefs, QStringLiteral("saisie-coefficients.png"));
    coefs.hide();

    TBoiteSaisieRacines& racines = *ecran.BoiteSaisieRacines;
    racines.show();
    racines.EcritChamps(ChampsRacines(ecran.Document.Systeme.Denominateur));
    photo.Photographie(racines, QStringLiteral("saisie-racines.png"));
    racines.hide();

    TBoiteSaisieTau& tau = *ecran.BoiteSaisieTau;
    tau.show();
    tau.EditTau()->setText(TexteGeneral(ecran.Document.Systeme.TempsMort, ChiffresRelisibles));
    photo.Photographie(tau, QStringLiteral("saisie-retard.png"));
    tau.hide();

    ecran.Avertissement1->DefinitRacine(QStringLiteral("-1"));
    ecran.Avertissement1->show();
    photo.Photographie(*ecran.Avertissement1, QStringLiteral("racine-commune.png"));
    ecran.Avertissement1->hide();
}

void Diagrammes(TEcranPrincipal& ecran, TPhotographe& photo)
{
    TEcranDiagramme& diagramme = *ecran.EcranDiagramme;
    diagramme.ExecuteDialogue = [&ecran, &photo](QDialog& dialogue) {
        dialogue.show();
        ecran.EchellesBode->Defaut->click();
        return photo.PhotographieEtValide(dialogue, ecran.EchellesBode->OKBtn, QStringLiteral("echelles-bode.png"));
    };
    ecran.DiagBode->trigger();
    diagramme.setWindowState(Qt::WindowNoState);
    diagramme.resize(820, 560);
    photo.Photographie(diagramme, QStringLiteral("fenetre-bode.png"));
    diagramme.Marges1->trigger();
    photo.Photographie(diagramme, QStringLiteral("marges.png"));
    diagramme.Tableau1->trigger();
    ecran.EcranTabVal->resize(560, 360);
    photo.Photographie(*ecran.EcranTabVal, QStringLiteral("tableau.png"));
    ecran.EcranTabVal->close();
    diagramme.close();
}

void Reponse(TEcranPrincipal& ecran, TPhotographe& photo)
{
    TEcranRepTemp& reponse = *ecran.EcranRepTemp;
    reponse.ExecuteDialogue = [&ecran, &photo](QDialog& dialogue) {
        TEchellesRepIndic& echelles = *ecran.EchellesRepIndic;
        echelles.show();
        echelles.BtnConsAuto->click();
        echelles.BtnEchAuto->click();
        return photo.PhotographieEtValide(dialogue, echelles.BtnValider(), QStringLiteral("echelles-echelon.png"));
    };
    ecran.Echelon1->trigger();
    reponse.setWindowState(Qt::WindowNoState);
    reponse.resize(820, 560);
    photo.Photographie(reponse, QStringLiteral("fenetre-echelon.png"));
    reponse.close();
}

void Dialogues(TEcranPrincipal& ecran, TPhotographe& photo)
{
    ecran.ChoixDephasagesBlack->show();
    photo.Photographie(*ecran.ChoixDephasagesBlack, QStringLiteral("dephasages.png"));
    ecran.ChoixDephasagesBlack->hide();

    ecran.BoiteBoucleFermee->Propose(2);
    ecran.BoiteBoucleFermee->show();
    photo.Photographie(*ecran.BoiteBoucleFermee, QStringLiteral("boucle-fermee.png"));
    ecran.BoiteBoucleFermee->hide();

    ecran.BoiteDialogueCouleurs->show();
    photo.Photographie(*ecran.BoiteDialogueCouleurs, QStringLiteral("couleurs.png"));
    ecran.BoiteDialogueCouleurs->hide();

    ecran.TailleImpression->show();
    ecran.TailleImpression->DefautClick();
    photo.Photographie(*ecran.TailleImpression, QStringLiteral("taille-impression.png"));
    ecran.TailleImpression->hide();
}

void Menus(TEcranPrincipal& ecran, TPhotographe& photo)
{
    ecran.Fichier->popup(ecran.mapToGlobal(QPoint(0, 0)));
    photo.Photographie(*ecran.Fichier, QStringLiteral("menu-fichier.png"));
    ecran.CommandesAide->Exemples1->popup(ecran.mapToGlobal(QPoint(0, 0)));
    photo.Photographie(*ecran.CommandesAide->Exemples1, QStringLiteral("menu-exemples.png"));
    ecran.CommandesAide->Exemples1->hide();
    ecran.Fichier->hide();
}

}

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("Usage : genere-captures DOSSIER_FICHIERS ETUDE.kvf DOSSIER_IMAGES\n", stderr);
        return 2;
    }
    TApplicationKovra application(argc, argv);
    // Le guide est en français : la virgule décimale, quelle que soit la locale de la construction.
    DefinitSeparateurDecimal(',');
    TPhotographe photo(QString::fromLocal8Bit(argv[3]));
    RemplaceAfficheurMessages([&photo](const QString& texte) { photo.Echec(QStringLiteral("message « ") + texte + QStringLiteral(" »")); });

    TEcranPrincipal ecran(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/"));
    ecran.resize(960, 600);
    ecran.show();
    if (!ecran.LitFichier(QString::fromLocal8Bit(argv[2])))
        return 1;
    ecran.setWindowTitle(QStringLiteral("Kovra  etude.kvf"));
    photo.Photographie(ecran, QStringLiteral("fenetre-principale.png"));
    Menus(ecran, photo);
    ecran.EcranElemSimples->Affiche();
    photo.Photographie(*ecran.EcranElemSimples, QStringLiteral("elements-simples.png"));
    ecran.EcranElemSimples->hide();
    Saisies(ecran, photo);
    Diagrammes(ecran, photo);
    Reponse(ecran, photo);
    Dialogues(ecran, photo);
    return photo.Reussi() ? 0 : 1;
}
