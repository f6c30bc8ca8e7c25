#include "RacinesCommunes.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Grappes.h"
#include "Stabilite.h"
#include "Tolerances.h"

namespace {

// N a au plus dix racines distinctes : onze passes suffisent à les épuiser.
constexpr int PassesMax = 11;

struct TPaire {
    int RacineN = 0;  // rang de la racine distincte dans N, 0 si aucune
    int RacineD = 0;
};

TComplexe RacineDistincte(const TPolynome& p, int k) { return p.Racines[RangRacine(p, k)]; }

// Moitié de la distance de la racine distincte k à la plus proche des autres : au-delà, une
// racine voisine serait aussi bien appariée, et l'écart ne tient plus à la précision.
Reel DemiEcartVoisines(const TPolynome& p, int k)
{
    Reel ecart = std::numeric_limits<Reel>::infinity();
    for (int l = 1; l <= p.Multiplicites[0]; ++l)
        if (l != k)
            ecart = std::min(ecart, Distance(RacineDistincte(p, k), RacineDistincte(p, l)) / 2);
    return ecart;
}

// Un pôle de partie réelle positive ou nulle simplifié à tort cacherait une instabilité : seul
// un zéro qui lui est égal, à la précision des données près, le simplifie. Les autres pôles
// suivent la tolérance relative. Dans une grappe, la précision d'une racine seule dépasse
// l'écart de ses voisines : elle est bornée par celui-ci, des deux côtés.
bool Communes(const TPolynome& n, int k, const TPolynome& d, int l)
{
    const TComplexe zero = RacineDistincte(n, k);
    const TComplexe pole = RacineDistincte(d, l);
    const Reel borne = std::min(DemiEcartVoisines(n, k), DemiEcartVoisines(d, l));
    if (pole.Re < 0)
        return Distance(zero, pole) <= std::min(EcartAdmis(zero, pole, ToleranceCommunes), borne);
    const Reel precision = std::max(PrecisionDonneesRacine(n, zero, n.Multiplicites[k]),
                                    PrecisionDonneesRacine(d, pole, d.Multiplicites[l]));
    return Distance(zero, pole) <= std::min(precision, borne) || ProchesRelatifs(zero, pole, ToleranceEgales);
}

// La dernière paire voisine rencontrée l'emporte.
TPaire DernierePaireCommune(const TPolynome& n, const TPolynome& d)
{
    TPaire paire;
    for (int k = 1; k <= n.Multiplicites[0]; ++k)
        for (int l = 1; l <= d.Multiplicites[0]; ++l)
            if (Communes(n, k, d, l))
                paire = {k, l};
    return paire;
}

// Un pôle sur l'axe imaginaire (partie réelle nulle) laisse le système stable ; un dénominateur
// nul ne définit aucun système.
bool Stable(const TPolynome& n, const TPolynome& d)
{
    return d.Degre >= n.Degre && !EstPolynomeNul(d) && AucuneRacineADroite(d);
}

// La racine annoncée : celle du dénominateur quand elle seule n'est pas à gauche de l'axe, car
// c'est une instabilité qui disparaît.
TComplexe RacineAnnoncee(const TSysteme& s, TPaire paire)
{
    const TComplexe zero = RacineDistincte(s.Numerateur, paire.RacineN);
    const TComplexe pole = RacineDistincte(s.Denominateur, paire.RacineD);
    return zero.Re < 0 && pole.Re >= 0 ? pole : zero;
}

}  // namespace

void SimplifieRacinesCommunes(TSysteme& s, const AnnonceRacine& annoncer)
{
    for (int passe = 0; passe < PassesMax; ++passe) {
        const TPaire paire = DernierePaireCommune(s.Numerateur, s.Denominateur);
        if (paire.RacineN == 0)
            break;
        const int m = std::min(s.Numerateur.Multiplicites[paire.RacineN], s.Denominateur.Multiplicites[paire.RacineD]);
        if (annoncer)
            annoncer(RacineAnnoncee(s, paire));
        s.Numerateur = EnleveRacine(paire.RacineN, m, s.Numerateur);
        s.Denominateur = EnleveRacine(paire.RacineD, m, s.Denominateur);
    }
    s.SystemeStable = Stable(s.Numerateur, s.Denominateur);
}
