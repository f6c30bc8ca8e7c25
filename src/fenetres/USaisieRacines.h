#pragma once
// Boîte de saisie de N(p) ou D(p) par un facteur constant et jusqu'à dix racines.
#include <QStringList>
#include <array>

#include "numerique/Complexes.h"
#include "DialogueVerifie.h"

struct TDocument;

class TBoiteSaisieRacines : public TDialogueVerifie {
    Q_OBJECT
public:
    static constexpr int NbRacines = 10;
    // ChampsRacines : 0 le facteur constant, 1 le degré, 2k et 2k+1 les parties de la racine k.
    static constexpr int NbChamps = 2 * NbRacines + 2;

    TBoiteSaisieRacines(const TDocument& document, QWidget* parent = nullptr);

    // Degré du numérateur qui borne celui du dénominateur : celui que la saisie en cours vient
    // de valider, pas encore dans le document.
    void DefinitDegreNumerateur(int degre) { degreNumerateur_ = degre; }

    // Les listes trop courtes laissent les champs restants tels quels.
    void EcritChamps(const QStringList& champs);
    QStringList LitChamps() const;

    bool PeutFermer() override;
    void RAZClick();

    QLineEdit* Degr() const { return degr_; }
    QLineEdit* P0() const { return p0_; }
    QLineEdit* PartieReelle(int k) const { return racines_[k - 1][0]; }
    QLineEdit* PartieImaginaire(int k) const { return racines_[k - 1][1]; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label15() const { return label15_; }
    QPushButton* BtnRAZ() const { return btnRAZ_; }

protected:
    void ChampQuitte(QLineEdit* champ) override;
    void Active() override;

private:
    QLineEdit* ChampDeRang(int rang) const;
    // Lit le degré ; faux après son message s'il est refusé.
    bool LitDegre(int& degre);
    bool LitConstante(Reel& constante);
    // Lit les racines 1..degre dans somme ; s'arrête à la première mal saisie.
    bool LitRacines(int degre, Reel constante, TComplexe& somme);
    bool VerifieConjuguees(TComplexe somme);

    const TDocument& document_;
    int degreNumerateur_ = 0;
    QLineEdit* degr_ = nullptr;
    QLineEdit* p0_ = nullptr;
    std::array<std::array<QLineEdit*, 2>, NbRacines> racines_{};
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label15_ = nullptr;
    QPushButton* btnRAZ_ = nullptr;
};
