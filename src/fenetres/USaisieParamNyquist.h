#pragma once
// Dialogue des paramètres du diagramme de Nyquist : fréquences, axes, titre, marques des décades.
#include "ChampsEchelles.h"
#include "coeur/EchellesFrequentielles.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
struct TDocument;

class TEchellesNyquist : public TDialogueEchelles {
    Q_OBJECT
public:
    explicit TEchellesNyquist(const TDocument& document, QWidget* parent = nullptr);

    QLineEdit* Fmin = nullptr;
    QLineEdit* Fmax = nullptr;
    QLineEdit* ReMin = nullptr;
    QLineEdit* ReMax = nullptr;
    QLineEdit* ImMin = nullptr;
    QLineEdit* ImMax = nullptr;
    QLineEdit* Titre = nullptr;
    QCheckBox* AffichageFrequence = nullptr;
    QPushButton* BtnAutomatique = nullptr;

    bool PeutFermer() override;
    // Plages et options lues dans les champs, pour le tracé.
    TParamNyquist Parametres() const;

protected:
    void RemplitValeursAutomatiques() override;

private:
    // Au moins un pixel par unité sur les deux axes, dans la fenêtre du diagramme.
    QSize ZoneDuTrace() const;
    bool VerifieGraduable(Reel xmin, Reel xmax, Reel ymin, Reel ymax);
    // Chaque axe doit contenir 0 et avoir une étendue.
    bool VerifieAxe(QLineEdit* champMin, Reel min, Reel max, const QString& messageNul,
                    const QString& messageInfini);

    const TDocument& document_;
};
