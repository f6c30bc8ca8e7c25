#include "AxePhasesLisible.h"

#include <algorithm>
#include <cmath>

namespace {
bool EtiquettesTiennent(const TTraceur& t, const TAxePhases& axe, int longueur, TSensAxe sens)
{
    const Reel taille = t.Mise().TailleGraduations;
    int place = t.Mesure(taille).height();
    if (sens == TSensAxe::Largeur) {
        place = 0;
        for (const Reel bord : {axe.Bornes.Min, axe.Bornes.Max})
            place = std::max(place, t.Largeur(QString::number(std::lround(bord)), taille));
        place += t.Largeur(QStringLiteral("0"), taille);
    }
    return (axe.Bornes.Max - axe.Bornes.Min) / axe.Pas * place <= longueur;
}
}

TAxePhases AxePhasesLisible(const TTraceur& t, const TPhasesAffichees& mode, const std::vector<Reel>& phases,
                            int longueur, TSensAxe sens)
{
    for (int pasMax = PasPhasesMax;; --pasMax) {
        const TAxePhases axe = AxePhases(mode, phases, pasMax);
        if (pasMax <= 1 || !mode.Continue() || EtiquettesTiennent(t, axe, longueur, sens))
            return axe;
    }
}
