#pragma once
// Dialogue des paramètres du diagramme de Black : fréquences, gains, titre, marques, grille fine.
#include "ChampsEchelles.h"
#include "coeur/EchellesFrequentielles.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
struct TDocument;

class TEchellesBlack : public TDialogueEchelles {
    Q_OBJECT
public:
    explicit TEchellesBlack(const TDocument& document, QWidget* parent = nullptr);

    QLineEdit* FreqMin = nullptr;
    QLineEdit* FreqMax = nullptr;
    QLineEdit* GainMin = nullptr;
    QLineEdit* GainMax = nullptr;
    QLineEdit* Titre = nullptr;
    QCheckBox* AffichageFrequence = nullptr;
    QCheckBox* QuadriFin = nullptr;
    QPushButton* BtnAutomatique = nullptr;

    bool PeutFermer() override;
    // Plages lues dans les champs, pour le tracé.
    TParamBlack Parametres() const;

protected:
    void RemplitValeursAutomatiques() override;

private:
    const TDocument& document_;
};
