#pragma once
// Curseur logarithmique sur quatre décades autour d'une valeur : du centième au centuple, le
// signe gardé ; un plancher (a, b > 1) borne le bas de la plage.
#include <QSlider>

#include "numerique/Complexes.h"

class TCurseurLogarithmique : public QSlider {
    Q_OBJECT
public:
    static constexpr int Pas = 1000;

    explicit TCurseurLogarithmique(QWidget* parent);

    // Nouvelle plage autour de v, curseur placé sur v, sans signal.
    void Centre(Reel v, Reel plancher);
    Reel Valeur() const;

signals:
    void ValeurChoisie(Reel v);

private:
    Reel bas_ = 0.01L;
    Reel haut_ = 100;
    Reel signe_ = 1;
};
