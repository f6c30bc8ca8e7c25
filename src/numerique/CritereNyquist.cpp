#include "CritereNyquist.h"

#include <algorithm>
#include <cmath>

#include "BornesModules.h"

namespace {

// Le contour longe l'axe à Re p = sigma, minuscule devant toute racine : les pôles sur l'axe
// (intégrateurs, oscillateurs) restent à sa gauche sans demi-cercles à part.
constexpr Reel SigmaRelatif = 1e-9L;
constexpr Reel VariationMax = 0.25L;
constexpr int ProfondeurMax = 60;
// Borne du travail, que nul système ne dépasse : au-delà, le verdict est indécidable.
constexpr long EchantillonsMax = 100000;
const Reel RaisonGrille = std::pow(Reel(10), Reel(0.02L));

TVerdictNyquist Indecidable(const char* raison)
{
    TVerdictNyquist v;
    v.Raison = raison;
    return v;
}

class TSuivi {
public:
    TSuivi(const TPolynome& n, const TPolynome& d, Reel T, Reel sigma) : n_(n), d_(d), T_(T), sigma_(sigma) {}

    TComplexe F(Reel w) const
    {
        const TComplexe s{sigma_, w};
        TComplexe h = Quotient(ValeurEn(n_, s), ValeurEn(d_, s));
        if (T_ > 0)
            h = Produit(h, Exponentielle({-T_ * sigma_, -T_ * w}));
        return {1 + h.Re, h.Im};
    }

    // Variation continue de l'argument de F entre a et b, le pas resserré où il tourne vite.
    Reel Variation(Reel a, TComplexe fa, Reel b, TComplexe fb, int profondeur)
    {
        ++echantillons_;
        const Reel dphi = Argument(Quotient(fb, fa));
        const Reel rapport = Module(fb) / Module(fa);
        if ((std::fabs(dphi) > VariationMax || rapport > 2 || rapport < 0.5L) && profondeur < ProfondeurMax && !TropLong()) {
            const Reel m = a + (b - a) / 2;
            if (m > a && m < b) {
                const TComplexe fm = F(m);
                return Variation(a, fa, m, fm, profondeur + 1) + Variation(m, fm, b, fb, profondeur + 1);
            }
        }
        if (!EstFini(fb) || Module(fb) == 0)
            valide_ = false;
        return dphi;
    }

    bool Valide() const { return valide_ && !TropLong(); }
    bool TropLong() const { return echantillons_ >= EchantillonsMax; }

private:
    const TPolynome& n_;
    const TPolynome& d_;
    Reel T_;
    Reel sigma_;
    long echantillons_ = 0;
    bool valide_ = true;
};

// |q(s)| / |D(s)| sur le cercle |s| = R, au-delà de tous les pôles.
Reel Borne(const TPolynome& q, const TPolynome& d, Reel hautD, Reel R)
{
    Reel somme = 0;
    for (int i = q.Degre; i >= 0; --i)
        somme = somme * R + Module(q.Coef[i]);
    return somme / (Module(d.Coef[d.Degre]) * std::pow(R - hautD, Reel(d.Degre)));
}

Reel Sigma(const TPolynome& n, const TPolynome& d, Reel T)
{
    Reel echelle = 1;
    bool trouve = false;
    for (const TPolynome* p : {&n, &d})
        if (const auto anneau = AnneauRacines(*p)) {
            echelle = trouve ? std::min(echelle, anneau->Min) : anneau->Min;
            trouve = true;
        }
    if (T > 0)
        echelle = trouve ? std::min(echelle, 1 / T) : 1 / T;
    return SigmaRelatif * echelle;
}

}  // namespace

TVerdictNyquist CritereNyquist(const TPolynome& n, const TPolynome& d, Reel T)
{
    TPolynome poles = d;
    if (!poles.RacinesValides && CalculeRacines(poles) != 0)
        return Indecidable("les pôles de la boucle ouverte n'ont pas été trouvés");
    if (n.Degre > d.Degre)
        return Indecidable("boucle ouverte impropre");
    const bool bipropre = n.Degre == d.Degre;
    const TComplexe c = Quotient(n.Coef[n.Degre], d.Coef[d.Degre]);
    if (bipropre && T > 0 && Module(c) >= 1)
        return Indecidable("retard et gain aux hautes fréquences d'au moins 1 : infinité de pôles en boucle fermée");
    // Hors de l'arc de droite, 1 + H reste dans un disque autour de 1 + cInf qui évite 0.
    const TComplexe cInf = bipropre && T == 0 ? c : TComplexe{};
    const TComplexe unPlusCInf{1 + cInf.Re, cInf.Im};
    if (Module(unPlusCInf) <= 1e-15L)
        return Indecidable("boucle fermée impropre");
    TPolynome cD = d;
    for (int i = 0; i <= cD.Degre; ++i)
        cD.Coef[i] = Oppose(Produit(cInf, cD.Coef[i]));
    const TPolynome q = SommePolynomes(n, cD);
    const Reel rayon = bipropre && T > 0 ? (1 + Module(c)) / 2 : Module(unPlusCInf) / 2;
    const auto anneau = AnneauRacines(d);
    const Reel hautD = anneau ? anneau->Max : 0;
    Reel R = std::max(Reel(1), 2 * hautD);
    for (int k = 0; k < 400 && !(Borne(q, d, hautD, R) < rayon); ++k)
        R *= 2;
    if (!(Borne(q, d, hautD, R) < rayon))
        return Indecidable("le demi-cercle de fermeture du contour n'a pas été trouvé");

    const Reel sigma = Sigma(n, d, T);
    TVerdictNyquist v;
    for (int i = 1; i <= poles.Degre; ++i)
        if (poles.Racines[i].Re > sigma)
            ++v.PolesInstables;
    TSuivi suivi(n, d, T, sigma);
    TComplexe fa = suivi.F(0);
    if (!EstFini(fa) || Module(fa) == 0)
        return Indecidable("la boucle fermée a un pôle en 0");
    Reel tours = 0;
    Reel a = 0;
    Reel b = sigma / 1000;
    while (a < R && suivi.Valide()) {
        b = std::min(b, R);
        const TComplexe fb = suivi.F(b);
        tours += suivi.Variation(a, fa, b, fb, 0);
        a = b;
        fa = fb;
        b = T > 0 ? std::min(a * RaisonGrille, a + VariationMax / T) : a * RaisonGrille;
    }
    if (suivi.TropLong())
        return Indecidable("le lieu de Nyquist tourne trop de fois pour être suivi jusqu'au bout");
    if (!suivi.Valide())
        return Indecidable("le lieu de Nyquist passe trop près de -1 pour compter ses tours");
    tours = 2 * tours - 2 * Argument(Quotient(fa, unPlusCInf));
    const Reel enTours = tours / DeuxPi;
    const Reel entier = std::nearbyint(enTours);
    if (std::fabs(enTours - entier) > 0.05L)
        return Indecidable("le lieu de Nyquist passe trop près de -1 pour compter ses tours");
    v.Encerclements = -int(entier);
    const int instablesFermes = v.PolesInstables + v.Encerclements;
    if (instablesFermes < 0)
        return Indecidable("le compte des tours de -1 est incohérent");
    v.Stabilite = instablesFermes == 0 ? TStabiliteBoucleFermee::Stable : TStabiliteBoucleFermee::Instable;
    v.Raison = "critère de Nyquist : " + std::to_string(v.PolesInstables) +
               " pôle(s) instable(s) en boucle ouverte, " + std::to_string(v.Encerclements) +
               " tour(s) de -1 dans le sens horaire";
    return v;
}
