#pragma once
// Dialogue de la rampe d'entrée et des échelles de sa réponse : ses champs sont la seule
// mémoire de la rampe choisie, relue par le tracé à chaque dessin.
#include "ChampsReponses.h"

class TEchellesRepRampe : public TDialogueReponse {
    Q_OBJECT
public:
    explicit TEchellesRepRampe(const TDocument& document, QWidget* parent = nullptr);

    QLineEdit* EditPente = nullptr;
    QPushButton* BtnValiderParam = nullptr;

    bool ParamOK() const { return ParametresOK; }
    bool EchOK() const { return EchellesOK; }

    // Lit les champs dans l'ordre ; le premier illisible arrête tout avec son message.
    bool PeutFermer() override;

    void BtnConsAutoClick();
    void BtnEchAutoClick();

protected:
    bool VerifieParametres() const override;
};
