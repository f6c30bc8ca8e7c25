#pragma once
// Dialogue des échelles du lieu d'Evans : les deux axes du plan complexe et le titre. Ouvert
// pour une autre fonction que la dernière fois, il se remplit des valeurs automatiques.
#include <vector>

#include "ChampsEchelles.h"
#include "trace/TraceEvans.h"

class QLineEdit;
class QPushButton;
struct TDocument;

class TEchellesEvans : public TDialogueEchelles {
    Q_OBJECT
public:
    explicit TEchellesEvans(const TDocument& document, QWidget* parent = nullptr);

    QLineEdit* ReMin = nullptr;
    QLineEdit* ReMax = nullptr;
    QLineEdit* ImMin = nullptr;
    QLineEdit* ImMax = nullptr;
    QLineEdit* Titre = nullptr;
    QPushButton* BtnAutomatique = nullptr;

    bool PeutFermer() override;
    TParamEvans Parametres() const;
    // Valeurs automatiques, si la fonction a changé depuis les dernières.
    void RemplitSiNouvelleFonction();

protected:
    void RemplitValeursAutomatiques() override;
    void showEvent(QShowEvent* evenement) override;

private:
    bool VerifieAxe(QLineEdit* champMin, Reel min, Reel max, const QString& axe);

    const TDocument& document_;
    std::vector<Reel> fonctionRemplie_;  // coefficients de la fonction des dernières valeurs automatiques
};
