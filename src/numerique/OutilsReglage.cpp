#include "OutilsReglage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "BoucleFermee.h"
#include "EchellesAuto.h"
#include "Laguerre.h"
#include "Reponses.h"
#include "Stabilite.h"

namespace {

constexpr Reel Degres = 180 / Pi;
constexpr int PointsParDecade = 200;
constexpr int InstantsDepassement = 4000;

Reel ArgumentFacteurDeg(TComplexe r, Reel w)
{
    const Reel a = std::atan2(w - r.Im, -r.Re) * Degres;
    // Racine à droite : branche (90, 270), qui ne saute pas quand ω croît.
    return -r.Re < 0 && a < 0 ? a + 360 : a;
}

Reel SommeArguments(const TPolynome& p, Reel w)
{
    Reel s = Argument(p.Racines[0]) * Degres;
    for (int k = 1; k <= p.Degre; ++k)
        s += ArgumentFacteurDeg(p.Racines[std::size_t(k)], w);
    return s;
}

void EtendPlage(const TPolynome& p, Reel& bas, Reel& haut)
{
    for (int k = 1; k <= p.Degre; ++k)
        if (const Reel m = Module(p.Racines[std::size_t(k)]); m > 0) {
            bas = std::min(bas, m);
            haut = std::max(haut, m);
        }
}

}  // namespace

std::string Valeur(Reel x)
{
    char tampon[48];
    std::snprintf(tampon, sizeof tampon, "%.4Lg", x);
    std::string t = tampon;
    std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

std::vector<Reel> GrillePulsations(const TFonctionG& g)
{
    Reel bas = 1;
    Reel haut = 1;
    EtendPlage(g.N, bas, haut);
    EtendPlage(g.D, bas, haut);
    if (g.T > 0)
        haut = std::max(haut, 1 / g.T);
    const Reel debut = std::floor(std::log10(bas)) - 3;
    const Reel fin = std::ceil(std::log10(haut)) + 3;
    const int n = int((fin - debut) * PointsParDecade);
    std::vector<Reel> grille;
    for (int k = 0; k <= n; ++k)
        grille.push_back(std::pow(10.0L, debut + (fin - debut) * Reel(k) / Reel(n)));
    return grille;
}

std::vector<Reel> Annulations(const std::function<Reel(Reel)>& f, const std::vector<Reel>& grille, Reel saut)
{
    std::vector<Reel> zeros;
    for (std::size_t k = 0; k + 1 < grille.size(); ++k) {
        Reel a = grille[k];
        Reel b = grille[k + 1];
        Reel fa = f(a);
        const Reel fb = f(b);
        if (std::isnan(fa) || std::isnan(fb) || std::fabs(fa - fb) > saut || (fa > 0) == (fb > 0) || fa == 0)
            continue;
        for (int i = 0; i < 200 && b - a > 1e-18L * b; ++i) {
            const Reel m = std::sqrt(a * b);
            const Reel fm = f(m);
            if ((fm > 0) == (fa > 0)) {
                a = m;
                fa = fm;
            } else
                b = m;
        }
        zeros.push_back(std::sqrt(a * b));
    }
    return zeros;
}

TPolynome MultipliePar(const TPolynome& p, Reel k)
{
    TPolynome r = p;
    for (int i = 0; i <= r.Degre; ++i)
        r.Coef[std::size_t(i)] = Produit(r.Coef[std::size_t(i)], ComplexeReel(k));
    r.Racines[0] = Produit(r.Racines[0], ComplexeReel(k));
    return r;
}

Reel PhaseContinueDeg(const TFonctionG& g, Reel w)
{
    return SommeArguments(g.N, w) - SommeArguments(g.D, w) - w * g.T * Degres;
}

Reel GainDb(const TFonctionG& g, Reel w) { return 20 * std::log10(Module(ReponseEnPulsation(g.N, g.D, g.T, w))); }

Reel RameneDeg(Reel x)
{
    const Reel r = std::remainder(x, Reel(360));
    return r == -180 ? 180 : r;
}

std::optional<TMarges> MargesCorrigees(const TCorrecteur& c, const TFonctionG& g)
{
    const TBoucleCorrigee l = BoucleOuverteCorrigee(c, g.N, g.D, g.T);
    if (!l.Refus.empty())
        return std::nullopt;
    return CalculeMarges(l.Numerateur, l.Denominateur, l.TempsMort);
}

bool BoucleStable(const TMarges& m) { return m.Verdict.Stabilite == TStabiliteBoucleFermee::Stable; }

std::string TexteMargePhase(const TMarges& m)
{
    if (!m.MargePhase)
        return "Marge de phase : aucune (|L(jω)| ne vaut 1 à aucune pulsation)";
    return "Marge de phase : " + Valeur(*m.MargePhase) + "° à ω = " + Valeur(m.PulsationMargePhase) + " rad/s";
}

std::string TexteMargeGain(const TMarges& m)
{
    if (!m.MargeGain)
        return "Marge de gain : infinie (la phase ne passe pas par −180°)";
    return "Marge de gain : " + Valeur(*m.MargeGain) + " dB à ω = " + Valeur(m.PulsationMargeGain) + " rad/s";
}

std::string TexteDepassement(const TCorrecteur& c, const TFonctionG& g)
{
    if (g.T > 0)
        return "Dépassement non calculé : la boucle fermée d'un système à retard n'est pas une fraction rationnelle";
    const TBoucleCorrigee l = BoucleOuverteCorrigee(c, g.N, g.D, g.T);
    TBoucleFermee f = FonctionBoucleFermee(l.Numerateur, l.Denominateur, 1);
    if (!l.Refus.empty() || !f.Existe || CalculeRacines(f.Numerateur) != LaguerreReussi
        || CalculeRacines(f.Denominateur) != LaguerreReussi)
        return "Dépassement non calculé : la boucle fermée n'a pas pu être calculée";
    if (!ToutesAGauche(f.Denominateur))
        return "Boucle fermée instable : pas de dépassement à lire";
    TSysteme s;
    s.Numerateur = f.Numerateur;
    s.Denominateur = f.Denominateur;
    s.SystemeStable = true;
    if (DecomposeEnElementsSimples(s.Numerateur, s.Denominateur, s.PartieEntiere, s.Decomposition)
        != DecompositionFaite)
        return "Dépassement non calculé : la décomposition de la boucle fermée a échoué";
    TEchellesAuto e;
    CalculeEchellesAuto(s, e);
    const Reel final = GainStatique(s.Numerateur, s.Denominateur).Valeur.Re;
    Reel pic = final;
    for (int k = 1; k <= InstantsDepassement; ++k)
        pic = std::max(pic, ReponseEchelon(s, e.TMaxAuto * Reel(k) / InstantsDepassement, 0, 0, 1, 0));
    return "Boucle fermée : dépassement indiciel de " + Valeur(100 * (pic - final) / final) + " %";
}
