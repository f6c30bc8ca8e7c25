#pragma once
// Fenêtre des réponses temporelles : l'échelon ou la rampe, redessiné en entier à chaque
// affichage, peinture ou changement de taille, avec les échelles de son dialogue.
#include <QMainWindow>
#include <functional>

#include "CommandeImprimer.h"
#include "DialogueRattache.h"
#include "trace/TraceDiagramme.h"

class QAction;
class QFileDialog;
class QPainter;
class TDialogueReponse;
class TEchellesRepIndic;
class TEchellesRepRampe;
class TMenuImage;
struct TDocument;
enum class TTypeReponse;

class TEcranRepTemp : public QMainWindow {
    Q_OBJECT
public:
    explicit TEcranRepTemp(TDocument& document, QWidget* parent = nullptr);

    // Les dialogues naissent après la fenêtre : ils lui sont donnés ensuite.
    void DefinitDialogues(TEchellesRepIndic* indicielle, TEchellesRepRampe* rampe);
    void DefinitImpression(const TOutilsImpression& outils);

    // Exécution modale des dialogues ; les tests la remplacent.
    TExecutionDialogue ExecuteDialogue;
    // Dialogues de fichiers de l'export : le chemin choisi, vide si l'on renonce.
    std::function<QString(QFileDialog& dialogue)> ChoixFichier;

    // Commandes « Echelon » et « Rampe » du menu principal : le dialogue, puis la fenêtre.
    void CommandeReponse(TTypeReponse type);
    void Montre(TTypeReponse type);

    QWidget* ZoneClient = nullptr;
    QAction* Quitter1 = nullptr;
    QAction* Echelles1 = nullptr;
    QAction* Imprimer1 = nullptr;
    QAction* ExportExcel1 = nullptr;
    QAction* Caracteristiques1 = nullptr;  // à cocher, pour l'échelon seul
    TMenuImage* MenuImage = nullptr;  // « Image », en dernier

    void Echelles1Click();
    void ExcelClick();
    // La réponse montrée, sur une page à la taille du dialogue.
    void Imprimer1Click();
    // La réponse du document, ou rien ; seule la peinture de la fenêtre garde son relevé.
    TResultatReponse FormShow(QPainter& surface, const QRect& cible);
    // L'entrée et les échelles du dernier tracé à l'écran, que l'export relit.
    const TValeursTemporelles& Valeurs() const { return valeurs_; }
    // Ce que la dernière peinture a tracé des caractéristiques, rien sans elles.
    const std::optional<TCaracteristiquesDessinees>& Caracteristiques() const { return caracteristiques_; }

protected:
    void closeEvent(QCloseEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    TDialogueReponse* DialogueDe(TTypeReponse type) const;
    TDemandeReponse Demande() const;

    TDocument& document_;
    TValeursTemporelles valeurs_;
    std::optional<TCaracteristiquesDessinees> caracteristiques_;
    TEchellesRepIndic* indicielle_ = nullptr;
    TEchellesRepRampe* rampe_ = nullptr;
    TOutilsImpression impression_;
    TValeursImpression valeursImpression_;
};
