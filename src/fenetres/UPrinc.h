#pragma once
// Fenêtre principale : le menu, le document, l'étude ou l'image d'accueil, et toutes les
// autres fenêtres, créées une fois dans un ordre fixe et seulement montrées ou cachées.
#include <QByteArray>
#include <QImage>
#include <QMainWindow>
#include <functional>

#include "coeur/Document.h"

class QDialog;
class QFileDialog;
class QMenu;
class TAvertissement1;
class TBoiteSaisieCoef;
class TBoiteSaisieRacines;
class TBoiteSaisieTau;
class TFluxSaisie;
class TBoiteAPropos;
class TBoiteDialogueCouleurs;
class TEcranElemSimples;
class TChoixDephasagesBlack;
class TEchellesBlack;
class TEchellesBode;
class TEchellesNyquist;
class TEcranDiagramme;
class TEcranTabVal;
class TEcranRepTemp;
class TEchellesRepIndic;
class TEchellesRepRampe;
class TEchellesEvans;
class TBoiteBoucleFermee;
class TCommandesEvans;
class TCommandesAide;
class TEcranPolesZeros;
class TTailleImpression;
class TInfoImpression;
class TImpression;

// Dossier "fichiers/" du programme, casse comprise : Linux distingue les casses.
QString DossierFichiersDuProgramme();

// Coin de l'image d'accueil : centrée, jamais hors de la zone à gauche ni en haut.
QPoint PositionImageAccueil(QSize zone, QSize image);

class TEcranPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TEcranPrincipal(const QString& dossierFichiers = DossierFichiersDuProgramme(),
                             QWidget* parent = nullptr);

    // Fenêtre principale maximisée, boîte « A propos » ouverte à côté.
    void Demarre();

    TDocument Document = DocumentInitial();

    // Menu principal.
    QMenu* Fichier = nullptr;
    QAction* Nouveau = nullptr;
    QAction* Lireunfichierdonnees = nullptr;
    QAction* Enregistrerlesdonnees = nullptr;
    QAction* Quitter = nullptr;
    QMenu* Kovra = nullptr;
    QAction* ParCoefficients = nullptr;
    QAction* ParRacines = nullptr;
    QAction* ImpressionKovra1 = nullptr;
    QAction* ElementsSimples = nullptr;
    QMenu* RegimeHarmonique = nullptr;
    QAction* DiagBode = nullptr;
    QAction* DiagNyquist = nullptr;
    QAction* DiagBlack = nullptr;
    QMenu* ReponsesTemporelles = nullptr;
    QAction* Echelon1 = nullptr;
    QAction* Rampe1 = nullptr;
    QAction* Impulsion1 = nullptr;
    QMenu* Configuration1 = nullptr;
    QAction* Couleurs1 = nullptr;
    QAction* MargesEtude1 = nullptr;
    QAction* DiagBlack1 = nullptr;
    QAction* Apropos1 = nullptr;

    // Fenêtres et dialogues possédés.
    TBoiteSaisieCoef* BoiteSaisieCoef = nullptr;
    TBoiteSaisieRacines* BoiteSaisieRacines = nullptr;
    TBoiteSaisieTau* BoiteSaisieTau = nullptr;
    // Saisies par coefficients et par racines ; les tests répondent eux-mêmes à ses dialogues.
    TFluxSaisie* FluxSaisie = nullptr;
    TAvertissement1* Avertissement1 = nullptr;
    TEcranElemSimples* EcranElemSimples = nullptr;
    TTailleImpression* TailleImpression = nullptr;
    TEchellesBode* EchellesBode = nullptr;
    TInfoImpression* InfoImpression = nullptr;
    TImpression* Impression = nullptr;
    TEchellesNyquist* EchellesNyquist = nullptr;
    TEchellesBlack* EchellesBlack = nullptr;
    TBoiteDialogueCouleurs* BoiteDialogueCouleurs = nullptr;
    TChoixDephasagesBlack* ChoixDephasagesBlack = nullptr;
    TEcranDiagramme* EcranDiagramme = nullptr;
    TEcranTabVal* EcranTabVal = nullptr;
    TEcranRepTemp* EcranRepTemp = nullptr;
    TEchellesRepIndic* EchellesRepIndic = nullptr;
    TEchellesRepRampe* EchellesRepRampe = nullptr;
    TBoiteAPropos* BoiteAPropos = nullptr;
    TEchellesEvans* EchellesEvans = nullptr;
    TBoiteBoucleFermee* BoiteBoucleFermee = nullptr;
    TCommandesEvans* CommandesEvans = nullptr;
    TCommandesAide* CommandesAide = nullptr;
    TEcranPolesZeros* EcranPolesZeros = nullptr;
    QFileDialog* DialogueOuvrirFichier = nullptr;
    QFileDialog* DialogueSauvegarde = nullptr;

    QImage ImageAccueil;
    bool ImageAccueilVisible = true;
    QWidget* ZoneClient() const { return zoneClient_; }

    // Remplaçables par les tests, qui ne doivent jamais attendre un dialogue modal.
    // ChoixFichier rend le chemin choisi, vide si l'utilisateur renonce.
    std::function<void(const QString& texteRacine)> AfficheAvertissement;
    std::function<QString(QFileDialog& dialogue)> ChoixFichier;
    // Exécution modale des dialogues ouverts depuis le menu principal.
    std::function<int(QDialog& dialogue)> ExecuteDialogue;

    // Fin commune des saisies et de la lecture : racines communes, étude, décomposition, menus.
    // Rend false sur une erreur de décomposition, après avoir affiché `messageErreur` et grisé
    // ce qui montrerait la décomposition ou les plages automatiques.
    bool AnalyseApresSaisie(const QString& messageErreur);

    // Devant ce qui ferait perdre une étude modifiée depuis sa lecture ou son enregistrement :
    // « Enregistrer les modifications de l'étude ? ». Faux quand l'étude doit rester telle quelle
    // (Annuler, ou enregistrement demandé mais pas fait).
    bool ModificationsTraitees();

    void NouveauClick();
    void LireunfichierdonneesClick();
    // Lecture d'un chemin déjà choisi (dialogue ou ligne de commande) : mêmes contrôles et messages.
    // Vrai si la fonction lue est étudiée jusqu'au bout.
    bool LitFichier(const QString& chemin);
    void EnregistrerlesdonneesClick();
    void MontreAPropos();
    void Couleurs1Click();
    // L'étude sur une page à l'italienne, après le dialogue de l'imprimante validé ou non.
    void ImpressionKovra1Click();
    // Schéma accepté : les fenêtres possédées se repeignent tout de suite, fond compris.
    void AppliqueCouleurs();

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    void NoteEtudeEnregistree();
    void CreeMenu();
    void EtatsDeDemarrage();
    void ChargeImageAccueil();
    void CreeFenetres();
    void CreeDialoguesFichiers();
    void BrancheCommandes();
    void ActiveCommande(QAction* commande, bool active);
    void RepartDesEchellesAutomatiques();
    void PeintZoneClient(QPainter& p, const QRect& zone);

    QWidget* zoneClient_ = nullptr;
    // Ce qu'un enregistrement aurait écrit à la dernière lecture ou au dernier enregistrement.
    QByteArray contenuEnregistre_;
};
