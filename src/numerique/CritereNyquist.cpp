#include "CritereNyquist.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <vector>

#include "BornesModules.h"
#include "Laguerre.h"
#include "Stabilite.h"

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

    // H le long du contour, retard compris.
    TComplexe H(Reel w) const
    {
        const TComplexe s{sigma_, w};
        const TComplexe h = Quotient(ValeurEn(n_, s), ValeurEn(d_, s));
        return T_ > 0 ? Produit(h, Exponentielle({-T_ * sigma_, -T_ * w})) : h;
    }

    TComplexe F(Reel w) const
    {
        const TComplexe h = H(w);
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

// Racines à moins de cette fraction de leur module de l'axe : la précision étendue ne sépare plus
// le contour de la racine, le compte des tours n'est plus sûr.
constexpr Reel ProximiteAxeMin = 1e-15L;

// Le contour passe à droite de l'axe, plus près de lui que toute racine donnée qui n'y est pas :
// chacune reste du côté où elle est. Rien quand l'une est trop près de l'axe pour être contournée.
std::optional<Reel> Sigma(const TPolynome& n, const TPolynome& d, Reel T, std::initializer_list<const TPolynome*> racines)
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
    Reel sigma = SigmaRelatif * echelle;
    for (const TPolynome* p : racines)
        for (int i = 1; i <= p->Degre; ++i) {
            const Reel ecart = std::fabs(p->Racines[i].Re);
            if (ecart == 0)
                continue;
            if (ecart < ProximiteAxeMin * Module(p->Racines[i]))
                return std::nullopt;
            sigma = std::min(sigma, ecart / 2);
        }
    return sigma;
}

// Près d'une racine voisine de l'axe, 1 + H ne tourne que sur une largeur de l'ordre de sa
// distance au contour, que la grille enjamberait : un échantillon à sa pulsation y fait descendre
// le suivi.
std::vector<Reel> PulsationsImposees(std::initializer_list<const TPolynome*> racines)
{
    std::vector<Reel> w;
    for (const TPolynome* p : racines)
        for (int i = 1; i <= p->Degre; ++i)
            if (p->Racines[i].Im != 0)
                w.push_back(std::fabs(p->Racines[i].Im));
    std::sort(w.begin(), w.end());
    return w;
}

// 1 + H aux hautes fréquences, sans retard : 1 + c quand N et D sont de même degré, sinon 1.
TComplexe UnPlusHInfini(const TPolynome& n, const TPolynome& d, Reel T)
{
    if (n.Degre != d.Degre || T > 0)
        return {1, 0};
    const TComplexe c = Quotient(n.Coef[n.Degre], d.Coef[d.Degre]);
    return {1 + c.Re, c.Im};
}

// Tours de 1 + H autour de 0 le long du contour à Re p = sigma.
TVerdictNyquist CompteDesTours(const TPolynome& n, const TPolynome& d, Reel T, const TPolynome& poles,
                               std::optional<Reel> sigmaContour, const std::vector<Reel>& imposees)
{
    if (n.Degre > d.Degre)
        return Indecidable("boucle ouverte impropre");
    const bool bipropre = n.Degre == d.Degre;
    const TComplexe c = Quotient(n.Coef[n.Degre], d.Coef[d.Degre]);
    if (bipropre && T > 0 && Module(c) >= 1)
        return Indecidable("retard et gain aux hautes fréquences d'au moins 1 : infinité de pôles en boucle fermée");
    // Hors de l'arc de droite, 1 + H reste dans un disque autour de 1 + cInf qui évite 0.
    const TComplexe unPlusCInf = UnPlusHInfini(n, d, T);
    const TComplexe cInf{unPlusCInf.Re - 1, unPlusCInf.Im};
    if (Module(unPlusCInf) <= 1e-15L)
        return Indecidable("boucle fermée impropre");
    if (!sigmaContour)
        return Indecidable("un pôle est trop près de l'axe imaginaire pour que le contour le contourne");
    const Reel sigma = *sigmaContour;
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
    auto prochaine = imposees.begin();
    while (a < R && suivi.Valide()) {
        while (prochaine != imposees.end() && *prochaine <= a)
            ++prochaine;
        b = std::min(b, R);
        if (prochaine != imposees.end())
            b = std::min(b, *prochaine);
        // Avec un retard, e^(-jwT) fait tourner H sans fin ; là où |H| < 1, 1 + H reste dans le
        // demi-plan de droite et n'entoure pas 0 : la grille suit |H| sans suivre la rotation.
        if (T > 0 && !(Module(suivi.H(a)) < 1 && Module(suivi.H(b)) < 1))
            b = std::min(b, a + VariationMax / T);
        const TComplexe fb = suivi.F(b);
        const bool horsDuCercle = T > 0 && Module(suivi.H(a)) < 1 && Module(suivi.H(b)) < 1;
        tours += horsDuCercle ? Argument(Quotient(fb, fa)) : suivi.Variation(a, fa, b, fb, 0);
        a = b;
        fa = fb;
        b = a * RaisonGrille;
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

// Sans retard, les pôles de la boucle fermée sont les racines de D + N : ils décident, et le
// compte des tours, quand il leur est conforme, reste l'explication. Un pôle sur l'axe n'est pas stable.
TVerdictNyquist VerdictDesRacines(const TPolynome& poles, const TPolynome& fermee, const TVerdictNyquist& compte)
{
    const TRepartitionRacines ouverte = RepartitionRacines(poles);
    const TRepartitionRacines r = RepartitionRacines(fermee);
    TVerdictNyquist v;
    v.Stabilite = ToutesAGauche(fermee) ? TStabiliteBoucleFermee::Stable : TStabiliteBoucleFermee::Instable;
    v.PolesInstables = ouverte.Droite;
    v.Encerclements = r.Droite - ouverte.Droite;
    const bool conforme = compte.Stabilite != TStabiliteBoucleFermee::Indecidable
                          && compte.PolesInstables == v.PolesInstables && compte.Encerclements == v.Encerclements;
    v.Raison = conforme ? compte.Raison
                        : "racines de D + N : " + std::to_string(r.Droite) + " à partie réelle positive";
    if (r.Axe > 0)
        v.Raison += " ; la boucle fermée a " + std::to_string(r.Axe) + " pôle(s) sur l'axe imaginaire";
    return v;
}

}  // namespace

TVerdictNyquist CritereNyquist(const TPolynome& n, const TPolynome& d, Reel T)
{
    TPolynome poles = d;
    if (!poles.RacinesValides && CalculeRacines(poles) != 0)
        return Indecidable("les pôles de la boucle ouverte n'ont pas été trouvés");
    const auto seuls = [&] { return CompteDesTours(n, d, T, poles, Sigma(n, d, T, {&poles}), PulsationsImposees({&poles})); };
    if (T > 0 || n.Degre > d.Degre || Module(UnPlusHInfini(n, d, T)) <= 1e-15L)
        return seuls();
    TPolynome fermee = SommePolynomes(n, d);
    if (fermee.Degre != d.Degre || CalculeRacines(fermee) != LaguerreReussi)
        return seuls();
    const TVerdictNyquist compte = CompteDesTours(n, d, T, poles, Sigma(n, d, T, {&poles, &fermee}),
                                                  PulsationsImposees({&poles, &fermee}));
    return VerdictDesRacines(poles, fermee, compte);
}
