#pragma once
// Partie « lieu_evans » du JSON de kovra-calcul : asymptotes, points de séparation, croisements
// de l'axe imaginaire et gain critique ; null quand le lieu n'est pas calculable. Le lieu est celui
// de N/D : un retard n'y entre pas, et il est dit ignoré.
#include "MargesJson.h"
#include "numerique/PointsEvans.h"

template <typename Json>
void EcritLieuEvans(Json& j, const TPolynome& n, const TPolynome& d, Reel retard)
{
    j.Cle("lieu_evans");
    if (!LieuCalculable(n, d)) {
        j.Nul();
        return;
    }
    const TPointsEvans points = PointsEvans(n, d);
    j.Ouvre('{');
    j.Cle("asymptotes");
    j.Ouvre('{');
    EcritOptionnel(j, "centre",
                   points.Asymptotes.Nombre > 0 ? std::optional<Reel>(points.Asymptotes.Centre) : std::nullopt);
    j.Cle("angles_deg");
    j.Ouvre('[');
    for (const Reel angle : points.Asymptotes.AnglesDeg)
        j.Nombre(angle);
    j.Ferme(']');
    j.Ferme('}');
    j.Cle("separations");
    j.Ouvre('[');
    for (const TSeparation& s : points.Separations) {
        j.Ouvre('{');
        j.Cle("p");
        j.Complexe(s.P);
        j.Cle("K");
        j.Nombre(s.K);
        j.Ferme('}');
    }
    j.Ferme(']');
    j.Cle("croisements_axe_imaginaire");
    j.Ouvre('[');
    for (const TCroisement& c : points.Croisements) {
        j.Ouvre('{');
        j.Cle("omega");
        j.Nombre(c.Omega);
        j.Cle("K");
        j.Nombre(c.K);
        j.Ferme('}');
    }
    j.Ferme(']');
    EcritOptionnel(j, "gain_critique", points.GainCritique);
    j.Cle("retard_ignore");
    j.Booleen(retard > 0);
    j.Ferme('}');
    if (retard > 0)
        j.Avertit("lieu_evans : retard ignoré, lieu de N(p)/D(p) seul ; son gain critique n'est pas celui de la "
                  "boucle avec le retard");
}
