#pragma once
// Fenêtre des diagrammes fréquentiels : un seul diagramme à la fois, redessiné en entier à
// chaque affichage, peinture ou changement de taille, avec sa lecture à la souris.
#include <QMainWindow>
#include <array>
#include <functional>

#include "CommandeImprimer.h"
#include "DialogueRattache.h"
#include "trace/TraceAbaqueNichols.h"
#include "trace/TraceDiagramme.h"

class QAction;
class QFileDialog;
class QLabel;
class QMenu;
class QPainter;
class TDialogueEchelles;
class TEchellesBlack;
class TEchellesBode;
class TEchellesEvans;
class TEchellesNyquist;
class TEcranTabVal;
class TMenuImage;
struct TDocument;
enum class TTypeDiagramme;

class TEcranDiagramme : public QMainWindow {
    Q_OBJECT
public:
    TEcranDiagramme(TDocument& document, TEchellesBode& echellesBode, TEchellesNyquist& echellesNyquist,
                    TEchellesBlack& echellesBlack, QWidget* parent = nullptr);

    using ActivationCommande = std::function<void(QAction* commande, bool active)>;
    // Les commandes « Diag. » du menu principal : un diagramme affiché grise les deux autres,
    // la fermeture les rend ; `activer` applique l'état voulu par la fenêtre principale.
    void DefinitCommandesPrincipales(QAction* diagBode, QAction* diagNyquist, QAction* diagBlack,
                                     ActivationCommande activer);
    void DefinitTableau(TEcranTabVal* tableau);
    void DefinitEchellesEvans(TEchellesEvans* echelles);
    void DefinitImpression(const TOutilsImpression& outils);
    // Le relevé du dernier tracé à l'écran : la lecture à la souris, le tableau des valeurs et
    // l'export le relisent ; l'impression et les images ne le touchent pas.
    const TTraceDiagramme& Trace() const { return trace_; }

    // Exécution modale des dialogues d'échelles ; les tests la remplacent.
    TExecutionDialogue ExecuteDialogue;
    // Dialogues de fichiers de l'export : le chemin choisi, vide si l'on renonce.
    std::function<QString(QFileDialog& dialogue)> ChoixFichier;

    // Commande « Diag. » du menu principal : le dialogue d'échelles, puis la fenêtre.
    void CommandeDiagramme(TTypeDiagramme type);
    // Suite d'une commande validée : ce diagramme, les deux autres commandes grisées, la
    // fenêtre montrée ou ramenée devant.
    void Montre(TTypeDiagramme type);

    QWidget* ZoneClient = nullptr;
    QLabel* EditFreq = nullptr;
    QLabel* EditPuls = nullptr;
    QLabel* EditReel = nullptr;
    QLabel* EditIm = nullptr;
    QLabel* EditGf = nullptr;
    QLabel* EditPhif = nullptr;
    QLabel* EditEvans = nullptr;  // lecture sur le lieu d'Evans, une ligne par pôle

    QAction* Fermer1 = nullptr;
    QAction* Echelles1 = nullptr;
    QAction* Imprimer1 = nullptr;
    QMenu* AbaquedeNichols1 = nullptr;
    QAction* Dessiner1 = nullptr;
    QAction* Effacer1 = nullptr;
    QAction* ExportExcel1 = nullptr;
    QAction* Tableau1 = nullptr;
    TMenuImage* MenuImage = nullptr;  // « Image », en dernier
    QAction* Marges1 = nullptr;
    QAction* Asymptotes1 = nullptr;  // à cocher, pour Bode seul

    void Echelles1Click();
    void Dessiner1Click();
    void Effacer1Click();
    void Tableau1Click();
    // Chaque nouvelle analyse rend le diagramme sans ses marges.
    void EteintMarges();
    void ExportExcel1Click();
    // Le diagramme montré, sur une page à la taille du dialogue.
    void Imprimer1Click();
    void SourisEnfoncee(QPoint clic);
    void SourisRelachee();

protected:
    void closeEvent(QCloseEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void CreeMenu();
    QLabel* CreeChampLecture();
    void ActiveMarges();
    TResultatDiagramme Dessine(QPainter& surface, const QRect& cible);
    void LectureEvans(QPoint clic);
    TDemandeDiagramme Demande();
    TDialogueEchelles* DialogueDe(TTypeDiagramme type) const;
    QAction* CommandeDe(TTypeDiagramme type) const;

    TDocument& document_;
    TEchellesBode& echellesBode_;
    TEchellesNyquist& echellesNyquist_;
    TEchellesBlack& echellesBlack_;
    TEcranTabVal* tableau_ = nullptr;
    TEchellesEvans* echellesEvans_ = nullptr;
    std::array<QAction*, 3> commandes_{};  // Bode, Nyquist, Black
    ActivationCommande activer_;
    TLieuxAbaque lieuxAbaque_;
    TTraceDiagramme trace_;
    TOutilsImpression impression_;
    TValeursImpression valeursImpression_;
};
