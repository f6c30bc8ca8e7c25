#include "RacinesCommunes.h"

#include <algorithm>
#include <cmath>

#include "Grappes.h"
#include "Tolerances.h"

namespace {

// N a au plus dix racines distinctes : onze passes suffisent à les épuiser.
constexpr int PassesMax = 11;

struct TPaire {
    int RacineN = 0;  // rang de la racine distincte dans N, 0 si aucune
    int RacineD = 0;
};

TComplexe RacineDistincte(const TPolynome& p, int k) { return p.Racines[RangRacine(p, k)]; }

// Un pôle de partie réelle positive ou nulle simplifié à tort cacherait une instabilité : seul
// un zéro qui lui est égal, à la précision des données près, le simplifie. Les autres pôles
// suivent la tolérance relative.
bool Communes(const TPolynome& n, int k, const TPolynome& d, int l)
{
    const TComplexe zero = RacineDistincte(n, k);
    const TComplexe pole = RacineDistincte(d, l);
    if (pole.Re < 0)
        return ProchesRelatifs(zero, pole, ToleranceCommunes);
    const Reel precision = std::max(PrecisionDonneesRacine(n, zero, n.Multiplicites[k]),
                                    PrecisionDonneesRacine(d, pole, d.Multiplicites[l]));
    return Distance(zero, pole) <= precision || ProchesRelatifs(zero, pole, ToleranceEgales);
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

// Une partie imaginaire invisible devant le module de la racine n'est pas écrite.
std::string TexteRacine(TComplexe r, int chiffres)
{
    if (std::fabs(r.Im) <= ToleranceCommunes * Module(r))
        return NombreEnTexte(r.Re, chiffres);
    return ComplexeEnTexte(r, chiffres);
}

// Un pôle sur l'axe imaginaire (partie réelle exactement nulle) laisse le système stable ;
// un dénominateur nul ne définit aucun système.
bool Stable(const TPolynome& n, const TPolynome& d)
{
    if (d.Degre < n.Degre || EstPolynomeNul(d))
        return false;
    for (int i = 1; i <= d.Degre; ++i)
        if (d.Racines[i].Re > 0)
            return false;
    return true;
}

}  // namespace

void SimplifieRacinesCommunes(TSysteme& s, int chiffresSignificatifs, const AvertissementRacine& avertir)
{
    for (int passe = 0; passe < PassesMax; ++passe) {
        const TPaire paire = DernierePaireCommune(s.Numerateur, s.Denominateur);
        if (paire.RacineN == 0)
            break;
        const int m = std::min(s.Numerateur.Multiplicites[paire.RacineN], s.Denominateur.Multiplicites[paire.RacineD]);
        if (avertir)
            avertir(TexteRacine(RacineDistincte(s.Numerateur, paire.RacineN), chiffresSignificatifs));
        s.Numerateur = EnleveRacine(paire.RacineN, m, s.Numerateur);
        s.Denominateur = EnleveRacine(paire.RacineD, m, s.Denominateur);
    }
    s.SystemeStable = Stable(s.Numerateur, s.Denominateur);
}
