#include "UPrinc.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QPainter>
#include <array>

#include "UChoixDephasage.h"
#include "UDialCouleurs.h"
#include "UEcranDiagramme.h"
#include "UEcranRepTemp.h"
#include "UEchRepIndic.h"
#include "UEchRepRampe.h"
#include "UEcranTabVal.h"
#include "USaisieParamBlack.h"
#include "USaisieParamBode.h"
#include "USaisieParamNyquist.h"
#include "trace/CouleurQt.h"
#include "coeur/Analyse.h"
#include "coeur/DossierFichiers.h"
#include "coeur/FichierDonnees.h"
#include "DialogueFichier.h"
#include "FluxSaisie.h"
#include "GeometrieNormale.h"
#include "ImageJpeg.h"
#include "Messages.h"
#include "coeur/TextesMarges.h"
#include "trace/TraceEtude.h"
#include "UAPropos.h"
#include "UAvertRacinesCommunes.h"
#include "UEcranElemSimples.h"
#include "USaisieCoefs.h"
#include "USaisieRacines.h"
#include "USaisieTau.h"
#include "CommandesAide.h"
#include "CommandesEvans.h"
#include "UPolesZeros.h"
#include "UBoucleFermee.h"
#include "USaisieParamEvans.h"
#include "Impression.h"
#include "UInfoImpression.h"
#include "USaisieTailleImpr.h"
#include "trace/TraceEtudeImprimee.h"

namespace {

// La zone sous le menu : c'est elle qui reçoit l'étude ou l'image d'accueil.
class TZoneClient : public QWidget {
public:
    TZoneClient(std::function<void(QPainter&, const QRect&)> peindre, QWidget* parent)
        : QWidget(parent), peindre_(std::move(peindre))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        peindre_(p, rect());
    }

private:
    std::function<void(QPainter&, const QRect&)> peindre_;
};

// Le diagramme et son tableau ne montrent jamais une autre fonction que celle de l'étude :
// retracés tout de suite (le tracé range les points que le tableau reprend), ou cachés comme
// par leur propre fermeture, qui rend aux commandes « Diag. » leur état normal.
// La réponse temporelle de même : retracée pour la nouvelle fonction, ou fermée.
void SuitLaNouvelleFonction(TEcranRepTemp& reponse, bool reponseValable)
{
    if (!reponse.isVisible())
        return;
    if (reponseValable)
        reponse.ZoneClient->repaint();
    else
        reponse.close();
}

void SuitLaNouvelleFonction(TEcranDiagramme& diagramme, TEcranTabVal& tableau, bool diagrammeValable)
{
    diagramme.EteintMarges();
    if (diagrammeValable && diagramme.isVisible()) {
        diagramme.ZoneClient->repaint();
        if (tableau.isVisible())
            tableau.Tableau();
        return;
    }
    if (diagramme.isVisible())
        diagramme.close();
    if (tableau.isVisible())
        tableau.close();
}

QMenu* AjouteMenu(QMenuBar* barre, const QString& nom, const QString& titre)
{
    QMenu* menu = barre->addMenu(titre);
    menu->setObjectName(nom);
    menu->menuAction()->setObjectName(nom);
    return menu;
}

template <typename Conteneur>
QAction* AjouteCommande(Conteneur* conteneur, const QString& nom, const QString& titre)
{
    QAction* commande = conteneur->addAction(titre);
    commande->setObjectName(nom);
    return commande;
}

}

QString DossierFichiersDuProgramme()
{
    return DossierFichiersDe(QCoreApplication::applicationDirPath());
}

QPoint PositionImageAccueil(QSize zone, QSize image)
{
    return QPoint(std::max(0, (zone.width() - image.width()) / 2),
                  std::max(0, (zone.height() - image.height()) / 2));
}

TEcranPrincipal::TEcranPrincipal(const QString& dossierFichiers, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("EcranPrincipal"));
    setWindowTitle(QStringLiteral("Kovra"));
    setFont(QFont(QStringLiteral("MS Sans Serif")));
    zoneClient_ = new TZoneClient([this](QPainter& p, const QRect& zone) { PeintZoneClient(p, zone); }, this);
    setCentralWidget(zoneClient_);
    CreeMenu();
    EtatsDeDemarrage();
    Document.DossierFichiers = dossierFichiers;
    ChargeImageAccueil();
    CreeFenetres();
    BrancheCommandes();
    NoteEtudeEnregistree();
}

void TEcranPrincipal::NoteEtudeEnregistree()
{
    contenuEnregistre_ = TexteFichierDonnees(Document);
}

bool TEcranPrincipal::ModificationsTraitees()
{
    if (TexteFichierDonnees(Document) == contenuEnregistre_)
        return true;
    switch (PoseQuestion(QStringLiteral("Enregistrer les modifications de l'étude ?"), true)) {
    case TReponse::Oui:
        EnregistrerlesdonneesClick();
        return TexteFichierDonnees(Document) == contenuEnregistre_;
    case TReponse::Non:
        return true;
    case TReponse::Annuler:
        break;
    }
    return false;
}

void TEcranPrincipal::closeEvent(QCloseEvent* evenement)
{
    if (ModificationsTraitees())
        evenement->accept();
    else
        evenement->ignore();
}

void TEcranPrincipal::CreeMenu()
{
    QMenuBar* barre = menuBar();
    barre->setObjectName(QStringLiteral("MainMenu1"));

    Fichier = AjouteMenu(barre, QStringLiteral("Fichier"), QStringLiteral("&Fichier"));
    Nouveau = AjouteCommande(Fichier, QStringLiteral("Nouveau"), QStringLiteral("Nouveau"));
    Lireunfichierdonnees = AjouteCommande(Fichier, QStringLiteral("Lireunfichierdonnees"),
                                          QStringLiteral("Lire un fichier données"));
    Enregistrerlesdonnees = AjouteCommande(Fichier, QStringLiteral("Enregistrerlesdonnees"),
                                           QStringLiteral("Enregistrer les données"));
    Quitter = AjouteCommande(Fichier, QStringLiteral("Quitter"), QStringLiteral("Quitter"));

    Kovra = AjouteMenu(barre, QStringLiteral("Kovra"), QStringLiteral("Kovra"));
    ParCoefficients = AjouteCommande(Kovra, QStringLiteral("ParCoefficients"), QStringLiteral("Saisie par Coefficients"));
    ParRacines = AjouteCommande(Kovra, QStringLiteral("ParRacines"), QStringLiteral("Saisie par racines"));
    ImpressionKovra1 = AjouteCommande(Kovra, QStringLiteral("ImpressionKovra1"), QStringLiteral("Impression Kovra"));

    ElementsSimples = AjouteCommande(barre, QStringLiteral("ElementsSimples"), QStringLiteral("&Eléments simples"));

    RegimeHarmonique = AjouteMenu(barre, QStringLiteral("RegimeHarmonique"), QStringLiteral("Régime Harmonique"));
    DiagBode = AjouteCommande(RegimeHarmonique, QStringLiteral("DiagBode"), QStringLiteral("Diag. Bode"));
    DiagNyquist = AjouteCommande(RegimeHarmonique, QStringLiteral("DiagNyquist"), QStringLiteral("Diag. Nyquist"));
    DiagBlack = AjouteCommande(RegimeHarmonique, QStringLiteral("DiagBlack"), QStringLiteral("Diag. Black"));

    ReponsesTemporelles = AjouteMenu(barre, QStringLiteral("ReponsesTemporelles"), QStringLiteral("Réponses temporelles"));
    Echelon1 = AjouteCommande(ReponsesTemporelles, QStringLiteral("Echelon1"), QStringLiteral("Echelon"));
    Rampe1 = AjouteCommande(ReponsesTemporelles, QStringLiteral("Rampe1"), QStringLiteral("Rampe"));
    Impulsion1 = AjouteCommande(ReponsesTemporelles, QStringLiteral("Impulsion1"), QStringLiteral("Réponse impulsionnelle"));

    Configuration1 = AjouteMenu(barre, QStringLiteral("Configuration1"), QStringLiteral("Configuration"));
    Couleurs1 = AjouteCommande(Configuration1, QStringLiteral("Couleurs1"), QStringLiteral("Couleurs"));
    DiagBlack1 = AjouteCommande(Configuration1, QStringLiteral("DiagBlack1"), QStringLiteral("Déphasages"));
    MargesEtude1 = AjouteCommande(Configuration1, QStringLiteral("MargesEtude1"), QStringLiteral("Marges dans l'étude"));
    MargesEtude1->setCheckable(true);

    Apropos1 = AjouteCommande(barre, QStringLiteral("Apropos1"), QStringLiteral("A propos"));
}

void TEcranPrincipal::EtatsDeDemarrage()
{
    // Sans fonction de transfert, seuls « Fichier », « Configuration », « A propos » et « Aide » servent.
    for (QAction* commande : {ElementsSimples, RegimeHarmonique->menuAction(), ReponsesTemporelles->menuAction(),
                              Kovra->menuAction(), ImpressionKovra1})
        commande->setEnabled(false);
}

void TEcranPrincipal::ChargeImageAccueil()
{
    QString erreur;
    if (!LitImageJpeg(Document.DossierFichiers + QStringLiteral("accueil.jpg"), ImageAccueil, erreur))
        AfficheMessage(QStringLiteral("Image d'accueil : ") + erreur);
}

// Les fenêtres naissent ici, une fois, dans cet ordre : la saisie des coefficients, celle des
// racines, l'avertissement des racines communes, les éléments simples, la taille d'impression,
// les échelles de Bode, l'impression en cours, les échelles de Nyquist puis de Black, les
// couleurs, les réponses temporelles, l'échelon, la plage des déphasages, « A propos », le
// retard, la rampe, les diagrammes et le tableau de valeurs.
void TEcranPrincipal::CreeFenetres()
{
    BoiteSaisieCoef = new TBoiteSaisieCoef(Document, this);
    BoiteSaisieRacines = new TBoiteSaisieRacines(Document, this);
    Avertissement1 = new TAvertissement1(this);
    EcranElemSimples = new TEcranElemSimples(Document, this);
    TailleImpression = new TTailleImpression(Document, this);
    EchellesBode = new TEchellesBode(Document, this);
    InfoImpression = new TInfoImpression(this);
    Impression = new TImpression(*InfoImpression, this);
    TailleImpression->ConfigImpression = [this] { Impression->Configure(TailleImpression); };
    EchellesNyquist = new TEchellesNyquist(Document, this);
    EchellesBlack = new TEchellesBlack(Document, this);
    BoiteDialogueCouleurs = new TBoiteDialogueCouleurs(Document, this);
    EcranRepTemp = new TEcranRepTemp(Document, this);
    EchellesRepIndic = new TEchellesRepIndic(Document, this);
    ChoixDephasagesBlack = new TChoixDephasagesBlack(Document, this);
    BoiteAPropos = new TBoiteAPropos(this);
    BoiteSaisieTau = new TBoiteSaisieTau(this);
    EchellesRepRampe = new TEchellesRepRampe(Document, this);
    EcranRepTemp->DefinitDialogues(EchellesRepIndic, EchellesRepRampe);
    FluxSaisie = new TFluxSaisie(
        Document, *BoiteSaisieCoef, *BoiteSaisieRacines, *BoiteSaisieTau,
        [this](const QString& titre) { setWindowTitle(titre); },
        [this](const QString& messageErreur) { AnalyseApresSaisie(messageErreur); }, this);
    EcranDiagramme = new TEcranDiagramme(Document, *EchellesBode, *EchellesNyquist, *EchellesBlack, this);
    EcranTabVal = new TEcranTabVal(EcranDiagramme->Trace(), this);
    EcranDiagramme->DefinitTableau(EcranTabVal);
    EchellesEvans = new TEchellesEvans(Document, this);
    BoiteBoucleFermee = new TBoiteBoucleFermee(this);
    EcranDiagramme->DefinitEchellesEvans(EchellesEvans);
    EcranDiagramme->DefinitImpression({TailleImpression, Impression});
    EcranRepTemp->DefinitImpression({TailleImpression, Impression});
    CreeDialoguesFichiers();
}

void TEcranPrincipal::CreeDialoguesFichiers()
{
    const QString filtre = QStringLiteral("fichiers Kovra (*.kvf)");
    DialogueOuvrirFichier = CreeDialogueFichier(this, QStringLiteral("Ouvrir un fichier de données"),
                                                QFileDialog::AcceptOpen, filtre, QStringLiteral("kvf"));
    DialogueSauvegarde = CreeDialogueFichier(this, QStringLiteral("Fichier de sauvegarde des données"),
                                             QFileDialog::AcceptSave, filtre, QStringLiteral("kvf"));
    ChoixFichier = ExecuteDialogueFichier;
    ExecuteDialogue = [](QDialog& dialogue) { return dialogue.exec(); };
    AfficheAvertissement = [this](const QString& texteRacine) {
        Avertissement1->DefinitRacine(texteRacine);
        Avertissement1->exec();
    };
}

void TEcranPrincipal::BrancheCommandes()
{
    connect(Nouveau, &QAction::triggered, this, &TEcranPrincipal::NouveauClick);
    connect(Lireunfichierdonnees, &QAction::triggered, this, &TEcranPrincipal::LireunfichierdonneesClick);
    connect(Enregistrerlesdonnees, &QAction::triggered, this, &TEcranPrincipal::EnregistrerlesdonneesClick);
    connect(Quitter, &QAction::triggered, this, &QWidget::close);
    connect(ElementsSimples, &QAction::triggered, EcranElemSimples, &TEcranElemSimples::Affiche);
    connect(Apropos1, &QAction::triggered, this, &TEcranPrincipal::MontreAPropos);
    connect(Couleurs1, &QAction::triggered, this, &TEcranPrincipal::Couleurs1Click);
    connect(MargesEtude1, &QAction::toggled, this, [this](bool coche) {
        Document.MargesEtude = coche;
        zoneClient_->update();
    });
    connect(ImpressionKovra1, &QAction::triggered, this, &TEcranPrincipal::ImpressionKovra1Click);
    connect(BoiteDialogueCouleurs, &TBoiteDialogueCouleurs::CouleursAcceptees, this,
            &TEcranPrincipal::AppliqueCouleurs);
    connect(ParCoefficients, &QAction::triggered, FluxSaisie, &TFluxSaisie::KovraCoef);
    connect(ParRacines, &QAction::triggered, FluxSaisie, &TFluxSaisie::KovraRacines);
    connect(DiagBode, &QAction::triggered, this, [this] { EcranDiagramme->CommandeDiagramme(TTypeDiagramme::Bode); });
    connect(DiagNyquist, &QAction::triggered, this,
            [this] { EcranDiagramme->CommandeDiagramme(TTypeDiagramme::Nyquist); });
    connect(DiagBlack, &QAction::triggered, this, [this] { EcranDiagramme->CommandeDiagramme(TTypeDiagramme::Black); });
    EcranDiagramme->DefinitCommandesPrincipales(DiagBode, DiagNyquist, DiagBlack,
                                                [this](QAction* commande, bool active) { ActiveCommande(commande, active); });
    connect(Echelon1, &QAction::triggered, this,
            [this] { EcranRepTemp->CommandeReponse(TTypeReponse::Indicielle); });
    connect(Rampe1, &QAction::triggered, this, [this] { EcranRepTemp->CommandeReponse(TTypeReponse::Rampe); });
    connect(Impulsion1, &QAction::triggered, this,
            [this] { EcranRepTemp->CommandeReponse(TTypeReponse::Impulsionnelle); });
    // Un diagramme à l'écran prend tout de suite la nouvelle plage des phases.
    connect(DiagBlack1, &QAction::triggered, this, [this] {
        if (ChoixDephasagesBlack->exec() == QDialog::Accepted)
            EcranDiagramme->ZoneClient->update();
    });

    const TLiensPrincipal liens{this, &Document, Kovra, Fichier, Enregistrerlesdonnees,
                                [this](QDialog& dialogue) { return ExecuteDialogue(dialogue); },
                                [this](const QString& messageErreur) {
                                    FluxSaisie->OublieSaisieEnAttente();
                                    AnalyseApresSaisie(messageErreur);
                                },
                                [this] { EcranDiagramme->CommandeDiagramme(TTypeDiagramme::Evans); },
                                [this](const QString& chemin) { return LitFichier(chemin); },
                                [this] { return ModificationsTraitees(); }};
    CommandesEvans = new TCommandesEvans(liens, *EchellesEvans, *BoiteBoucleFermee);
    EcranPolesZeros = new TEcranPolesZeros(Document, *Kovra, {TailleImpression, Impression}, this);
    CommandesAide = new TCommandesAide(liens);
}

void TEcranPrincipal::ActiveCommande(QAction* commande, bool active)
{
    commande->setEnabled(active);
}

void TEcranPrincipal::Demarre()
{
    PoseGeometrieNormale(*this);
    showMaximized();
    MontreAPropos();
}

void TEcranPrincipal::MontreAPropos()
{
    BoiteAPropos->show();
    BoiteAPropos->raise();
    BoiteAPropos->activateWindow();
}

void TEcranPrincipal::Couleurs1Click()
{
    ExecuteDialogue(*BoiteDialogueCouleurs);
}

void TEcranPrincipal::ImpressionKovra1Click()
{
    Impression->Configure(this);
    Impression->Imprime(QStringLiteral("Impression Kovra"), QPageLayout::Landscape,
                        [this](QPainter& p, const QRect& page, int resolution) {
                            ImprimeEtude(p, page, resolution, Document);
                        });
}

void TEcranPrincipal::AppliqueCouleurs()
{
    zoneClient_->update();
    EcranElemSimples->update();
    EcranDiagramme->ZoneClient->update();
    EcranRepTemp->ZoneClient->update();
}

void TEcranPrincipal::PeintZoneClient(QPainter& p, const QRect& zone)
{
    if (Document.EtudeFaite) {
        if (Document.MargesEtude && Document.Systeme.SystemeStable)
            MargesDuDocument(Document);
        DessineEtude(p, zone, Document);
        return;
    }
    p.fillRect(zone, CouleurQt(CouleurDe(Document.SchemaCouleurs, QStringLiteral("EPFond"))));
    if (ImageAccueilVisible && !ImageAccueil.isNull())
        p.drawImage(PositionImageAccueil(zone.size(), ImageAccueil.size()), ImageAccueil);
}

bool TEcranPrincipal::AnalyseApresSaisie(const QString& messageErreur)
{
    const int statut = AnalyseApresSaisieCoeur(Document, [this](const std::string& texteRacine) {
        AfficheAvertissement(QString::fromStdString(texteRacine));
    });
    Document.EtudeFaite = true;
    ImageAccueilVisible = false;
    zoneClient_->update();
    const bool decomposee = statut == DecompositionFaite;
    if (!decomposee) {
        AfficheMessage(messageErreur);
        // La décomposition et les plages sont celles d'une autre fonction : rien ne doit plus les montrer.
        EcranElemSimples->hide();
    } else {
        RepartDesEchellesAutomatiques();
    }
    ActiveCommande(ElementsSimples, decomposee);
    ActiveCommande(RegimeHarmonique->menuAction(), decomposee && Document.Systeme.SystemeStable);
    ActiveCommande(ReponsesTemporelles->menuAction(), decomposee && Document.Systeme.SystemeStable);
    ActiveCommande(ImpressionKovra1, decomposee);
    EcranElemSimples->update();
    CommandesEvans->MetAJour(decomposee);
    EcranPolesZeros->MetAJour(decomposee);
    // Le lieu d'Evans se trace aussi pour une fonction instable.
    const bool lieu = Document.TypeDiagramme == TTypeDiagramme::Evans;
    SuitLaNouvelleFonction(*EcranDiagramme, *EcranTabVal, decomposee && (Document.Systeme.SystemeStable || lieu));
    SuitLaNouvelleFonction(*EcranRepTemp, decomposee && Document.Systeme.SystemeStable);
    return decomposee;
}

// Les diagrammes relisent les champs de leurs dialogues : ceux-ci prennent les plages de l'étude.
void TEcranPrincipal::RepartDesEchellesAutomatiques()
{
    const std::array<TDialogueEchelles*, 3> dialogues{EchellesBode, EchellesNyquist, EchellesBlack};
    for (TDialogueEchelles* dialogue : dialogues)
        dialogue->PrendValeursAutomatiques();
    EchellesRepIndic->PrendEchellesAutomatiques();
    EchellesRepRampe->PrendEchellesAutomatiques();
}

void TEcranPrincipal::NouveauClick()
{
    if (!ModificationsTraitees())
        return;
    ActiveCommande(Kovra->menuAction(), true);
    ImageAccueilVisible = false;
    zoneClient_->update();
    if (Document.EtudeFaite)
        RepartDesEchellesAutomatiques();
}

void TEcranPrincipal::LireunfichierdonneesClick()
{
    if (!ModificationsTraitees())
        return;
    if (!Document.NomFichierDonnees.isEmpty())
        DialogueOuvrirFichier->setDirectory(QFileInfo(Document.NomFichierDonnees).absolutePath());
    const QString chemin = ChoixFichier(*DialogueOuvrirFichier);
    if (!chemin.isEmpty())
        LitFichier(chemin);
}

bool TEcranPrincipal::LitFichier(const QString& chemin)
{
    QString erreur;
    QString avis;
    if (!LitFichierDonnees(chemin, Document, erreur, &avis)) {
        AfficheMessage(erreur);
        return false;
    }
    if (!avis.isEmpty())
        AfficheMessage(avis);
    FluxSaisie->OublieSaisieEnAttente();
    ActiveCommande(Kovra->menuAction(), true);
    const bool analysee = AnalyseApresSaisie(QStringLiteral("Erreur décomposition en éléments simples"));
    // L'étude lue, simplifiée par l'analyse, est celle du fichier : rien à enregistrer.
    NoteEtudeEnregistree();
    if (!analysee)
        return false;
    setWindowTitle(QStringLiteral("Kovra  ") + chemin);
    return true;
}

void TEcranPrincipal::EnregistrerlesdonneesClick()
{
    DialogueSauvegarde->selectFile(Document.NomFichierDonnees);
    const QString chemin = ChoixFichier(*DialogueSauvegarde);
    if (chemin.isEmpty() || !RemplacementAccepte(chemin))
        return;
    QString erreur;
    if (!EnregistreFichierDonnees(chemin, Document, erreur)) {
        AfficheMessage(erreur);
        return;
    }
    NoteEtudeEnregistree();
    Document.NomFichierDonnees = chemin;
    setWindowTitle(QStringLiteral("Kovra  ") + chemin);
}
