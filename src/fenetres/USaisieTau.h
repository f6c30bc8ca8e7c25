#pragma once
// Boîte de saisie du temps mort T, en secondes.
#include "numerique/Complexes.h"
#include "DialogueVerifie.h"

class TBoiteSaisieTau : public TDialogueVerifie {
    Q_OBJECT
public:
    explicit TBoiteSaisieTau(QWidget* parent = nullptr);

    bool PeutFermer() override;
    // La valeur validée ; 0 si le texte ne se lit pas.
    Reel Tau() const;

    QLineEdit* EditTau() const { return editTau_; }
    QPushButton* CancelBtn() const { return BtnAnnuler(); }

protected:
    void Active() override;

private:
    QLineEdit* editTau_ = nullptr;
};
