#include "CurseurLogarithmique.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr Reel Etendue = 100;  // deux décades de chaque côté
}

TCurseurLogarithmique::TCurseurLogarithmique(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setRange(0, Pas);
    connect(this, &QSlider::valueChanged, this, [this] { emit ValeurChoisie(Valeur()); });
}

void TCurseurLogarithmique::Centre(Reel v, Reel plancher)
{
    const Reel m = std::fabs(v);
    if (!(m > 0) || !std::isfinite(m))
        return;
    signe_ = v < 0 ? -1 : 1;
    bas_ = std::max(m / Etendue, plancher);
    haut_ = std::max(m * Etendue, bas_ * Etendue);
    const QSignalBlocker bloque(this);
    setValue(int(std::lround(Pas * std::log(m / bas_) / std::log(haut_ / bas_))));
}

Reel TCurseurLogarithmique::Valeur() const
{
    return signe_ * bas_ * std::pow(haut_ / bas_, Reel(value()) / Pas);
}
