#pragma once
// Dialogue des échelles du diagramme de Bode : ses champs sont la seule mémoire des plages
// choisies, relues par le tracé à chaque dessin.
#include "ChampsEchelles.h"
#include "trace/TraceBode.h"

struct TDocument;

class TEchellesBode : public TDialogueEchelles {
    Q_OBJECT
public:
    explicit TEchellesBode(const TDocument& document, QWidget* parent = nullptr);

    QLineEdit* FreqMin = nullptr;
    QLineEdit* FreqMax = nullptr;
    QLineEdit* GainMin = nullptr;
    QLineEdit* GainMax = nullptr;
    QLineEdit* Titre = nullptr;
    QPushButton* Defaut = nullptr;

    bool PeutFermer() override;
    // Plages lues dans les champs, pour le tracé.
    TParamBode Parametres() const;

protected:
    void Active() override;
    void RemplitValeursAutomatiques() override;

private:
    const TDocument& document_;
};
