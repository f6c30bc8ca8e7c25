#pragma once
// Choix de la plage des déphasages des diagrammes de Bode et de Black.
#include "DialogueVerifie.h"

class QRadioButton;
struct TDocument;

class TChoixDephasagesBlack : public TDialogueVerifie {
    Q_OBJECT
public:
    explicit TChoixDephasagesBlack(TDocument& document, QWidget* parent = nullptr);

    QRadioButton* Radio1 = nullptr;
    QRadioButton* Radio2 = nullptr;
    QRadioButton* Radio3 = nullptr;  // phase continue, sans plage fixe

    // Rien à refuser : l'un des trois choix est toujours coché.
    bool PeutFermer() override { return true; }
    // « Valider » range le choix dans le document ; un diagramme affiché le prend au
    // prochain dessin.
    void done(int resultat) override;

protected:
    // Chaque ouverture repart du choix du document.
    void Active() override;

private:
    TDocument& document_;
};
