#pragma once
// Dialogue « Correcteur » : type et formule de cours, paramètres refusés en français s'ils ne
// vont pas, curseurs logarithmiques, réglage automatique dont les étapes s'affichent.
#include <array>
#include <optional>

#include "DialogueVerifie.h"
#include "numerique/Reglage.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class TCurseurLogarithmique;

inline constexpr int NbParametresCorrecteur = 7;

class TBoiteCorrecteur : public TDialogueVerifie {
    Q_OBJECT
public:
    // G = n/d.e^(-Tp), racines calculées : les assistants la règlent.
    TBoiteCorrecteur(const TPolynome& n, const TPolynome& d, Reel T, QWidget* parent = nullptr);

    void Propose(const std::optional<TCorrecteur>& c);
    bool PeutFermer() override;
    // Rien après « Sans correcteur ».
    std::optional<TCorrecteur> Correcteur() const;

    QComboBox* ChoixType() const { return type_; }
    QLabel* Formule() const { return formule_; }
    // Ordre : K, Ti, Td, N, a, b, τ.
    QLineEdit* Champ(int i) const { return champs_[std::size_t(i)]; }
    TCurseurLogarithmique* Curseur(int i) const { return curseurs_[std::size_t(i)]; }
    QPushButton* BtnSans() const { return sans_; }
    QComboBox* ChoixAssistant() const { return assistant_; }
    QLineEdit* Objectif() const { return objectif_; }
    QPushButton* BtnRegler() const { return regler_; }
    QPlainTextEdit* Etapes() const { return etapes_; }

protected:
    void Active() override;
    void ChampQuitte(QLineEdit* champ) override;

private:
    void ChangeType();
    void Affiche(const TCorrecteur& c);
    // Lit les champs employés par le type (sauf `saufK`) ; refuse le premier fautif.
    bool LitParametres(TCorrecteur& c, bool saufK);
    bool LitParametre(int i, TCorrecteur& c);
    void Regle();

    TPolynome n_;
    TPolynome d_;
    Reel T_ = 0;
    TCorrecteur propose_;
    bool sansCorrecteur_ = false;
    QComboBox* type_ = nullptr;
    QLabel* formule_ = nullptr;
    std::array<QLabel*, NbParametresCorrecteur> noms_{};
    std::array<QLineEdit*, NbParametresCorrecteur> champs_{};
    std::array<TCurseurLogarithmique*, NbParametresCorrecteur> curseurs_{};
    QPushButton* sans_ = nullptr;
    QComboBox* assistant_ = nullptr;
    QLineEdit* objectif_ = nullptr;
    QPushButton* regler_ = nullptr;
    QPlainTextEdit* etapes_ = nullptr;
};
