#include "Croisements.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "BornesModules.h"

namespace {

// 100 points par décade ; resserrés tant que gain (logarithme népérien) ou phase varient de
// plus de 0,2 entre deux points voisins, ce qui ne laisse passer aucun croisement isolé,
// même sur une résonance d'amortissement 0,01.
const Reel RaisonGrille = std::pow(Reel(10), Reel(0.01L));
constexpr Reel VariationMax = 0.2L;
constexpr int ProfondeurMax = 60;
// Bornes du travail d'un balayage, que nul système ne dépasse, si bruité soit-il : pas de la
// grille, échantillons ajoutés dans un pas, échantillons ajoutés en tout.
constexpr long PasMax = 200000;
constexpr long EchantillonsParPas = 4000;
constexpr long EchantillonsMax = 400000;
// Marge au-delà des modules possibles des racines : la phase n'y bouge plus que de 1e-4 rad par racine.
constexpr Reel MargeGrille = 1e4L;
// Près d'une racine multiple sur l'axe, N ou D calculés sur les coefficients ne sont plus que
// l'arrondi de leurs termes : au-delà de cette incertitude relative, l'échantillon ne dit rien.
constexpr Reel IncertitudeMax = 0.1L;

struct TEchantillon {
    Reel W = 0;
    TComplexe R;  // N/D
    TComplexe H;  // N/D.e^(-jwT)
    Reel PenteGain = 0;   // d ln|H| / dw
    Reel PentePhase = 0;  // d arg H / dw
    bool Fini = false;
    bool Net = false;  // N et D bien au-dessus de l'arrondi de leurs termes
};

struct THorner {
    TComplexe V;
    TComplexe Derivee;
    Reel Termes = 0;  // somme des modules des termes, qui borne l'arrondi
};

THorner Horner(const TPolynome& p, TComplexe z)
{
    const Reel r = Module(z);
    THorner h{p.Coef[p.Degre], {}, std::fabs(p.Coef[p.Degre].Re) + std::fabs(p.Coef[p.Degre].Im)};
    for (int k = p.Degre - 1; k >= 0; --k) {
        h.Derivee = Somme(Produit(h.Derivee, z), h.V);
        h.V = Somme(Produit(h.V, z), p.Coef[k]);
        h.Termes = h.Termes * r + std::fabs(p.Coef[k].Re) + std::fabs(p.Coef[k].Im);
    }
    return h;
}

Reel Incertitude(const THorner& h, int degre)
{
    return std::numeric_limits<Reel>::epsilon() * Reel(2 * (degre + 1)) * h.Termes / Module(h.V);
}

TEchantillon Echantillon(const TPolynome& n, const TPolynome& d, Reel T, Reel w)
{
    TEchantillon e;
    e.W = w;
    const TComplexe p{0, w};
    const THorner hn = Horner(n, p);
    const THorner hd = Horner(d, p);
    e.R = Quotient(hn.V, hd.V);
    e.H = T == 0 ? e.R : Produit(e.R, Exponentielle({0, -w * T}));
    e.Fini = EstFini(e.R) && Module(e.R) > 0;
    if (!e.Fini)
        return e;
    // d ln H / dw = j.(N'/N - D'/D) - j.T
    const TComplexe l = Difference(Quotient(hn.Derivee, hn.V), Quotient(hd.Derivee, hd.V));
    e.PenteGain = -l.Im;
    e.PentePhase = l.Re - T;
    e.Net = Incertitude(hn, n.Degre) + Incertitude(hd, d.Degre) < IncertitudeMax;
    return e;
}

int Signe(Reel x) { return x > 0 ? 1 : x < 0 ? -1 : 0; }
int SigneGain(const TEchantillon& e) { return Signe(Module(e.R) - 1); }
int SignePhase(const TEchantillon& e) { return Signe(e.H.Im); }

// Dernier milieu d'un encadrement qui ne se resserre plus en précision étendue.
template <typename Signe>
Reel Dichotomie(Reel a, Reel b, int signeA, Signe signe)
{
    for (int i = 0; i < 256; ++i) {
        const Reel m = a + (b - a) / 2;
        if (m <= a || m >= b)
            break;
        const int s = signe(m);
        if (s == 0)
            return m;
        (s == signeA ? a : b) = m;
    }
    return a + (b - a) / 2;
}

class TBalayage {
public:
    TBalayage(const TPolynome& n, const TPolynome& d, Reel T, bool gain, bool phase, TCroisements& resultat)
        : n_(n), d_(d), T_(T), gain_(gain), phase_(phase), resultat_(resultat)
    {
    }

    TEchantillon En(Reel w)
    {
        ++echantillons_;
        return Echantillon(n_, d_, T_, w);
    }

    // Chaque pas de la grille a sa part du travail, prise sur ce qui reste.
    void NouveauPas() { limite_ = std::min(echantillons_ + EchantillonsParPas, EchantillonsMax); }

    // Croisements de l'intervalle (a, b], chacun compté une fois d'un intervalle au suivant.
    void Examine(const TEchantillon& a, const TEchantillon& b, int profondeur)
    {
        if (!a.Fini || !b.Fini)
            return;
        if (ASubdiviser(a, b) && profondeur < ProfondeurMax && echantillons_ < limite_) {
            const Reel m = std::sqrt(a.W) * std::sqrt(b.W);
            if (m > a.W && m < b.W) {
                const TEchantillon e = En(m);
                Examine(a, e, profondeur + 1);
                Examine(e, b, profondeur + 1);
                return;
            }
        }
        // Dans l'arrondi, un signe ne prouve rien : ni extremum ni croisement.
        if (a.Net && b.Net)
            Monotones(a, b);
    }

private:
    // Le bruit d'arrondi varie sans fin : deux échantillons bruités ne se départagent pas.
    static bool ASubdiviser(const TEchantillon& a, const TEchantillon& b)
    {
        if (!a.Net && !b.Net)
            return false;
        const Reel phase = std::fabs(Argument(Quotient(b.H, a.H)));
        const Reel gain = std::fabs(std::log(Module(b.R) / Module(a.R)));
        return phase > VariationMax || gain > VariationMax;
    }

    // Un extremum du gain ou de la phase entre a et b coupe l'intervalle en morceaux où l'un
    // et l'autre sont monotones : une paire de croisements, si serrée soit-elle, s'y sépare.
    void Monotones(const TEchantillon& a, const TEchantillon& b)
    {
        TEchantillon points[4] = {a};
        int nombre = 1;
        if (gain_ && Signe(a.PenteGain) * Signe(b.PenteGain) < 0)
            AjouteExtremum(a, b, &TEchantillon::PenteGain, points, nombre);
        if (phase_ && Signe(a.PentePhase) * Signe(b.PentePhase) < 0)
            AjouteExtremum(a, b, &TEchantillon::PentePhase, points, nombre);
        if (nombre == 3 && points[2].W < points[1].W)
            std::swap(points[1], points[2]);
        points[nombre++] = b;
        for (int k = 0; k + 1 < nombre; ++k) {
            if (gain_)
                CroisementGain(points[k], points[k + 1]);
            if (phase_)
                CroisementPhase(points[k], points[k + 1]);
        }
    }

    // Dichotomie sur le signe de la pente ; l'extremum n'est gardé que strictement dedans.
    void AjouteExtremum(TEchantillon a, TEchantillon b, Reel TEchantillon::*pente, TEchantillon* points, int& nombre)
    {
        const int signeA = Signe(a.*pente);
        for (int i = 0; i < 256 && echantillons_ < EchantillonsMax; ++i) {
            const Reel m = a.W + (b.W - a.W) / 2;
            if (m <= a.W || m >= b.W)
                break;
            const TEchantillon e = En(m);
            if (!e.Fini || !e.Net)
                return;
            const int s = Signe(e.*pente);
            if (s == 0) {
                a = e;
                break;
            }
            (s == signeA ? a : b) = e;
        }
        if (a.W > points[0].W)
            points[nombre++] = a;
    }

    void CroisementGain(const TEchantillon& a, const TEchantillon& b)
    {
        const int sa = SigneGain(a);
        if (sa == 0 || SigneGain(b) == sa || resultat_.Gain.size() >= CroisementsMax)
            return;
        resultat_.Gain.push_back(Dichotomie(a.W, b.W, sa, [&](Reel w) { return SigneGain(En(w)); }));
    }

    void CroisementPhase(const TEchantillon& a, const TEchantillon& b)
    {
        const int sa = SignePhase(a);
        if (sa == 0 || SignePhase(b) == sa || !(a.H.Re < 0) || !(b.H.Re < 0) ||
            resultat_.Phase.size() >= CroisementsMax)
            return;
        const Reel w = Dichotomie(a.W, b.W, sa, [&](Reel x) { return SignePhase(En(x)); });
        const TEchantillon e = En(w);
        if (e.Fini && e.H.Re < 0)
            resultat_.Phase.push_back(w);
    }

    const TPolynome& n_;
    const TPolynome& d_;
    Reel T_;
    bool gain_;
    bool phase_;
    TCroisements& resultat_;
    long echantillons_ = 0;
    long limite_ = 0;
};

struct TPlage {
    Reel Min = 0;
    Reel Max = 0;
    Reel HautN = 0;  // plus grands modules possibles des racines de N et de D
    Reel HautD = 0;
};

TPlage PlageDeBalayage(const TPolynome& n, const TPolynome& d, Reel T)
{
    std::vector<Reel> reperes;
    TPlage plage;
    for (const TPolynome* p : {&n, &d})
        if (const auto anneau = AnneauRacines(*p)) {
            reperes.push_back(anneau->Min);
            reperes.push_back(anneau->Max);
            (p == &n ? plage.HautN : plage.HautD) = anneau->Max;
        }
    for (const bool hautes : {false, true})
        if (const auto w = CroisementAsymptote(n, d, hautes))
            reperes.push_back(*w);
    if (T > 0)
        reperes.push_back(1 / T);
    if (reperes.empty())
        reperes.push_back(1);
    const auto [bas, haut] = std::minmax_element(reperes.begin(), reperes.end());
    plage.Min = *bas / MargeGrille;
    plage.Max = *haut * MargeGrille;
    return plage;
}

// Au-delà de toutes les racines, |N/D| <= |c|.(w + HautN)^n / (w - HautD)^m : quand cette
// borne passe en décroissant sous le plus petit module représentable, plus aucun croisement de
// phase ne peut se voir.
bool PlusRienAuDela(const TPolynome& n, const TPolynome& d, const TPlage& plage, Reel w)
{
    if (n.Degre > d.Degre || w <= plage.HautD)
        return false;
    const Reel c = Module(n.Coef[n.Degre]) / Module(d.Coef[d.Degre]);
    const Reel borne = c * std::pow(w + plage.HautN, Reel(n.Degre)) / std::pow(w - plage.HautD, Reel(d.Degre));
    const bool decroit = n.Degre * (w - plage.HautD) < d.Degre * (w + plage.HautN) || n.Degre == 0;
    return decroit && borne < std::numeric_limits<Reel>::min();
}

// Grille logarithmique ; avec un retard, le pas garde aussi wT sous la variation admise.
void Balaye(TBalayage& balayage, Reel debut, Reel T, const auto& fini)
{
    TEchantillon e = balayage.En(debut);
    for (long pas = 0; pas < PasMax && !fini(e); ++pas) {
        Reel w = e.W * RaisonGrille;
        if (T > 0)
            w = std::min(w, e.W + VariationMax / T);
        balayage.NouveauPas();
        const TEchantillon suivant = balayage.En(w);
        balayage.Examine(e, suivant, 0);
        e = suivant;
    }
}

// Coefficients de a(p).b(-p), sans la limite de degré des polynômes saisis.
std::vector<TComplexe> ProduitParOppose(const TPolynome& a, const TPolynome& b)
{
    std::vector<TComplexe> q(std::size_t(a.Degre + b.Degre + 1));
    for (int i = 0; i <= a.Degre; ++i)
        for (int k = 0; k <= b.Degre; ++k) {
            const TComplexe t = Produit(a.Coef[i], b.Coef[k]);
            q[std::size_t(i + k)] = Somme(q[std::size_t(i + k)], k % 2 == 1 ? Oppose(t) : t);
        }
    return q;
}

}  // namespace

bool GainVariable(const TPolynome& n, const TPolynome& d)
{
    // |N(jw)|² - |D(jw)|² = N(p).N(-p) - D(p).D(-p) en p = jw.
    const std::vector<TComplexe> a = ProduitParOppose(n, n);
    const std::vector<TComplexe> b = ProduitParOppose(d, d);
    Reel echelle = 0;
    Reel ecart = 0;
    for (std::size_t k = 0; k < std::max(a.size(), b.size()); ++k) {
        const TComplexe x = k < a.size() ? a[k] : TComplexe{};
        const TComplexe y = k < b.size() ? b[k] : TComplexe{};
        echelle = std::max({echelle, Module(x), Module(y)});
        ecart = std::max(ecart, Module(Difference(x, y)));
    }
    return ecart > 1e-15L * echelle;
}

bool PhaseVariable(const TPolynome& n, const TPolynome& d)
{
    // N(jw).D(-jw) réel pour tout w : ses coefficients de degré impair sont tous nuls.
    const std::vector<TComplexe> q = ProduitParOppose(n, d);
    Reel echelle = 0;
    Reel impairs = 0;
    for (std::size_t k = 0; k < q.size(); ++k) {
        echelle = std::max(echelle, Module(q[k]));
        if (k % 2 == 1)
            impairs = std::max(impairs, Module(q[k]));
    }
    return impairs > 1e-15L * echelle;
}

TCroisements CherchePulsationsCroisement(const TPolynome& n, const TPolynome& d, Reel T)
{
    TCroisements resultat;
    const TPlage plage = PlageDeBalayage(n, d, T);
    const bool gain = GainVariable(n, d);
    const bool phase = T > 0 || PhaseVariable(n, d);
    // Le gain ne dépend pas du retard : son balayage s'arrête avec les racines.
    TBalayage rationnel(n, d, 0, gain, phase && T == 0, resultat);
    Balaye(rationnel, plage.Min, 0, [&](const TEchantillon& e) { return e.W > plage.Max; });
    if (T > 0 && phase) {
        TBalayage retarde(n, d, T, false, true, resultat);
        Balaye(retarde, plage.Min, T, [&](const TEchantillon& e) {
            return resultat.Phase.size() >= CroisementsMax || PlusRienAuDela(n, d, plage, e.W);
        });
    }
    return resultat;
}
