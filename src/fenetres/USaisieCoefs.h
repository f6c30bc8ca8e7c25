#pragma once
// Boîte de saisie des coefficients de N(p) ou de D(p), degré 0 à 10.
#include <array>

#include "numerique/Complexes.h"
#include "DialogueVerifie.h"

struct TDocument;

class TBoiteSaisieCoef : public TDialogueVerifie {
    Q_OBJECT
public:
    static constexpr int NbChamps = 11;

    TBoiteSaisieCoef(const TDocument& document, QWidget* parent = nullptr);

    // Hors de 0..10 : texte vide à la lecture, rien d'écrit.
    QString LitTabEdit(int degre) const;
    void EcritTabEdit(int degre, const QString& texte);

    bool PeutFermer() override;
    void RAZClick();

    QLineEdit* Champ(int degre) const { return champs_[degre]; }
    QLabel* Label3() const { return label3_; }
    QPushButton* BtnRAZ() const { return btnRAZ_; }

protected:
    void ChampQuitte(QLineEdit* champ) override;
    void Active() override;

private:
    // Normalise le texte du champ, le réécrit et le convertit ; sinon message et focus.
    bool VerifieCoefficient(int degre, Reel& valeur);

    const TDocument& document_;
    std::array<QLineEdit*, NbChamps> champs_{};
    QLabel* label3_ = nullptr;
    QPushButton* btnRAZ_ = nullptr;
};
