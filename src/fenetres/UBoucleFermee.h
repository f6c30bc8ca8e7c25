#pragma once
// Dialogue du gain K de la boucle fermée à retour unitaire : un nombre fini strictement positif.
#include "DialogueVerifie.h"
#include "numerique/Complexes.h"

class TBoiteBoucleFermee : public TDialogueVerifie {
    Q_OBJECT
public:
    explicit TBoiteBoucleFermee(QWidget* parent = nullptr);

    // Le texte proposé à la prochaine ouverture : 1, ou le dernier K lu sur le lieu.
    void Propose(Reel k);
    bool PeutFermer() override;
    Reel K() const;

    QLineEdit* EditK() const { return editK_; }

protected:
    void Active() override;

private:
    QLineEdit* editK_ = nullptr;
    Reel propose_ = 1;
};
