#pragma once
// Ce que le document garde du lieu d'Evans et des boucles fermées : les branches du dernier
// tracé à l'écran (la lecture à la souris et le tableau les relisent), le dernier gain lu, et
// la suite des gains qui a mené de la saisie à la fonction étudiée.
#include <QPointF>
#include <QRect>
#include <optional>
#include <vector>

#include "numerique/LieuEvans.h"

struct TEtatEvans {
    TLieuEvans Lieu;        // vide tant qu'aucun lieu n'est tracé à l'écran
    TPointsEvans Points;    // ses points remarquables
    std::vector<Reel> Fonction;  // degrés et coefficients de N et D qui les ont donnés
    QRect Pixels;           // cadre du dernier tracé…
    TCadreLieu Monde;       // …et ce qu'il montre du plan complexe : un repeint au même cadre reprend le tout
    std::optional<Reel> GainLu;
    // Boucles fermées successives, valables tant que N et D sont ceux qu'elles ont donnés.
    std::vector<Reel> GainsFermes;
    std::vector<Reel> CoefsFermes;
};

// Pixel d'un point du plan complexe sur le dernier tracé.
inline QPointF PixelEvans(const TEtatEvans& e, TComplexe z)
{
    const Reel x = e.Pixels.left() + (z.Re - e.Monde.XMin) * e.Pixels.width() / (e.Monde.XMax - e.Monde.XMin);
    const Reel y = e.Pixels.top() + (e.Monde.YMax - z.Im) * e.Pixels.height() / (e.Monde.YMax - e.Monde.YMin);
    return {double(x), double(y)};
}
