#pragma once
// Dialogue de l'échelon d'entrée et des échelles de sa réponse : ses champs sont la seule
// mémoire de l'échelon choisi, relue par le tracé à chaque dessin.
#include "ChampsReponses.h"

class QCheckBox;

class TEchellesRepIndic : public TDialogueReponse {
    Q_OBJECT
public:
    explicit TEchellesRepIndic(const TDocument& document, QWidget* parent = nullptr);

    QLineEdit* EditConsf = nullptr;
    QPushButton* BtnValiderCons = nullptr;
    QCheckBox* DeuxPourCent = nullptr;  // temps de réponse des caractéristiques à 2 %, sinon 5 %

    bool ConsOK() const { return ParametresOK; }
    bool EchOK() const { return EchellesOK; }

    // Les deux contrôles refaits sur les textes du moment : un champ modifié puis validé
    // par Entrée, sans l'avoir quitté, ne passe pas sur des drapeaux anciens.
    bool PeutFermer() override;

    void BtnConsAutoClick();
    void BtnValiderConsClick();
    void BtnEchAutoClick();
    void BtnValiderEchClick();

protected:
    bool VerifieParametres() const override;
    TTextesEchellesReponse EchellesAutomatiques(Reel u0, Reel second) const override;
};
