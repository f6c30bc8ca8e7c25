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
    void BtnValiderParamClick();
    void BtnEchAutoClick();
    void BtnValiderEchClick();

protected:
    bool VerifieParametres() const override;
    TTextesEchellesReponse EchellesAutomatiques(Reel u0, Reel second) const override;

private:
    // Lectures avec les messages du contrôle de fermeture, que les deux boutons de validation
    // partiel reprennent groupe par groupe.
    bool LitParametres();
    bool LitEchelles();
};
