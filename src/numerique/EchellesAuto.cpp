#include "EchellesAuto.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "Reponses.h"
#include "ReponsesEchantillonnees.h"

namespace {

// Dix décades de 1e-4 à 1e6 Hz, cent points par décade.
constexpr int DerniereFrequence = 1000;
constexpr Reel DecadeBasse = -4;
constexpr Reel PointsParDecade = 100;
constexpr int NombreInstants = 1000;
constexpr Reel EcartDepart = 0.01L;
// Au-delà de 60 dB en valeur absolue, un écart n'indique pas une zone intéressante.
constexpr Reel GainNegligeable = 60;
constexpr Reel MargePlage = 0.001L;

struct TBalayage {
    std::array<Reel, DerniereFrequence + 1> Gains;
    std::array<Reel, DerniereFrequence + 1> Phases;
    // Faux pour un échantillon tombé sur un pôle : il n'entre ni dans les plages ni dans
    // les recherches de départ.
    std::array<bool, DerniereFrequence + 1> Finis;
};

// Les fréquences du balayage ne dépendent pas du système : calculées une fois.
Reel Frequence(int k)
{
    static const std::array<Reel, DerniereFrequence + 1> frequences = [] {
        std::array<Reel, DerniereFrequence + 1> f{};
        for (int i = 0; i <= DerniereFrequence; ++i)
            f[std::size_t(i)] = std::pow(10.0L, DecadeBasse + i / PointsParDecade);
        return f;
    }();
    return frequences[std::size_t(k)];
}

// Une réponse nulle donnerait -infini : on s'arrête au plus petit module représentable.
Reel GainDb(TComplexe h) { return 20 * std::log10(std::max(Module(h), std::numeric_limits<Reel>::min())); }

// Une valeur qui sort de la précision étendue (rampe d'un retard immense, pôle) n'a pas de
// place dans une plage proposée : elle est ignorée.
void Elargit(Reel valeur, Reel& minimum, Reel& maximum)
{
    if (!std::isfinite(valeur))
        return;
    if (valeur < minimum)
        minimum = valeur;
    if (valeur > maximum)
        maximum = valeur;
}

// La plage contient toujours 0 et n'est jamais vide.
void ContientZero(Reel& minimum, Reel& maximum)
{
    if (minimum > 0)
        minimum = -MargePlage;
    if (maximum < 0)
        maximum = MargePlage;
    if (minimum == maximum) {
        minimum -= MargePlage;
        maximum += MargePlage;
    }
}

// Un échantillon fini s'écarte toujours d'une référence tombée sur un pôle.
bool Ecarte(const TBalayage& b, int k, int reference)
{
    return b.Finis[k]
           && (!b.Finis[reference] || std::fabs(b.Gains[k] - b.Gains[reference]) > EcartDepart
               || std::fabs(b.Phases[k] - b.Phases[reference]) > EcartDepart);
}

bool Interessant(const TBalayage& b, int k, int reference)
{
    return Ecarte(b, k, reference) && std::fabs(b.Gains[k]) < GainNegligeable;
}

struct TBande {
    int Basse = 0;
    int Haute = 0;
};

// Une réponse qui ne s'écarte jamais de ses valeurs extrêmes (un gain pur) : de 0,01 à 100 Hz.
constexpr TBande BandeFixe{200, 600};

// Premier échantillon écarté de la référence en allant de debut vers fin ; -1 s'il n'y en a pas.
int PremierEcart(const TBalayage& b, int debut, int fin, bool dansLesSoixanteDb)
{
    const int pas = debut <= fin ? 1 : -1;
    for (int k = debut; k != fin + pas; k += pas)
        if (dansLesSoixanteDb ? Interessant(b, k, debut) : Ecarte(b, k, debut))
            return k;
    return -1;
}

// Les départs entre ±60 dB ; à défaut (une réponse partout sous -60 dB), les départs seuls ; à
// défaut encore, la bande fixe. Jamais une valeur laissée par une autre fonction.
TBande BandeInteressante(const TBalayage& b)
{
    int v = PremierEcart(b, 0, DerniereFrequence, true);
    if (v < 0)
        v = PremierEcart(b, 0, DerniereFrequence, false);
    int w = PremierEcart(b, DerniereFrequence, 0, true);
    if (w < 0)
        w = PremierEcart(b, DerniereFrequence, 0, false);
    if (v < 0 || w < 0)
        return BandeFixe;
    // Les deux recherches ont des références différentes : w peut précéder v.
    if (v > w)
        std::swap(v, w);
    // Une bande d'un seul échantillon ne se dessine pas : une décade de part et d'autre.
    if (v == w) {
        v = std::max(0, v - int(PointsParDecade));
        w = std::min(DerniereFrequence, w + int(PointsParDecade));
    }
    return {v, w};
}

void BalayageFrequentiel(const TSysteme& s, TEchellesAuto& e)
{
    TBalayage b;
    e.ReMinAuto = e.ImMinAuto = 100;
    e.ReMaxAuto = e.ImMaxAuto = -100;
    for (int k = 0; k <= DerniereFrequence; ++k) {
        const TComplexe h = ReponseFrequentielle(s, {0, DeuxPi * Frequence(k)});
        b.Finis[k] = EstFini(h);
        if (!b.Finis[k])
            continue;
        Elargit(h.Re, e.ReMinAuto, e.ReMaxAuto);
        Elargit(h.Im, e.ImMinAuto, e.ImMaxAuto);
        b.Gains[k] = GainDb(h);
        b.Phases[k] = Argument(h);
    }
    ContientZero(e.ReMinAuto, e.ReMaxAuto);
    ContientZero(e.ImMinAuto, e.ImMaxAuto);
    const TBande bande = BandeInteressante(b);
    e.FreqBasseAuto = Frequence(bande.Basse);
    e.FreqHauteAuto = Frequence(bande.Haute);
    Reel minimum = std::numeric_limits<Reel>::infinity();
    Reel maximum = -minimum;
    for (int k = bande.Basse; k <= bande.Haute; ++k)
        if (b.Finis[k])
            Elargit(b.Gains[k], minimum, maximum);
    // Aucun gain fini dans la bande (elle ne tomberait que sur des pôles) : ±100 dB.
    e.GainMinAuto = minimum <= maximum ? minimum : -100;
    e.GainMaxAuto = minimum <= maximum ? maximum : 100;
}

Reel PoleLePlusLent(const TPolynome& d)
{
    if (d.Degre < 1)
        return 0;
    Reel sigma = std::fabs(d.Racines[1].Re);
    for (int i = 2; i <= d.Degre; ++i)
        sigma = std::min(sigma, std::fabs(d.Racines[i].Re));
    return sigma;
}

// La fraction d'abord : k.TMaxAuto dépasserait l'étendue pour un TMaxAuto proche du maximum.
Reel Instant(const TEchellesAuto& e, int k) { return Reel(k) / (NombreInstants - 1) * e.TMaxAuto; }

std::vector<Reel> Instants(const TEchellesAuto& e, Reel retard)
{
    std::vector<Reel> t(NombreInstants);
    for (int k = 0; k < NombreInstants; ++k)
        t[std::size_t(k)] = Instant(e, k) - retard;
    return t;
}

Reel Pas(const TEchellesAuto& e) { return e.TMaxAuto / (NombreInstants - 1); }

void EtendueIndicielle(const TSysteme& s, TEchellesAuto& e)
{
    Reel minimum = 0;
    Reel maximum = 0;
    for (const Reel y : IndiciellesEchantillonnees(s.Denominateur, s.PartieEntiere, s.Decomposition,
                                                   Instants(e, s.TempsMort), Pas(e)))
        Elargit(y, minimum, maximum);
    e.YMaxIndicielle = std::max<Reel>(maximum, 1);
    e.YMinIndicielle = std::min<Reel>(minimum, 0);
}

// D(p).p se lit sur D : coefficients décalés d'un rang, une racine nulle de plus.
TPolynome DenominateurRampe(const TPolynome& d)
{
    TPolynome r = InitPolynome();
    r.Degre = d.Degre + 1;
    for (int q = 1; q <= r.Degre; ++q)
        r.Coef[q] = d.Coef[q - 1];
    for (int i = 0; i <= d.Degre; ++i)
        r.Racines[i] = d.Racines[i];
    r.CoefsValides = true;
    TrieEtGroupeRacines(r);
    return r;
}

// Rien de l'étude précédente ne doit survivre dans la rampe.
void OublieRampe(TSysteme& s)
{
    s.DecompositionRampeFaite = false;
    s.RampeParIntegrale = false;
    s.DRampe = InitPolynome();
    s.EntiereRampe = InitPolynome();
    s.DecompositionRampe.Efface();
}

void DecomposeRampe(TSysteme& s)
{
    if (s.Denominateur.Degre >= DegreMax) {
        OublieRampe(s);
        s.RampeParIntegrale = true;
        return;
    }
    s.RampeParIntegrale = false;
    s.DRampe = DenominateurRampe(s.Denominateur);
    s.EntiereRampe = InitPolynome();
    // Réussie, la décomposition réécrit tous ses coefficients : l'effacer avant coûterait autant
    // qu'elle. Manquée, rien d'elle ne reste.
    s.DecompositionRampeFaite =
        DecomposeEnElementsSimples(s.Numerateur, s.DRampe, s.EntiereRampe, s.DecompositionRampe) == DecompositionFaite;
    if (!s.DecompositionRampeFaite)
        s.DecompositionRampe.Efface();
}

void EtendueRampe(const TSysteme& s, TEchellesAuto& e)
{
    e.RampeMin = 0;
    e.RampeMax = 0;
    for (const Reel y : RampesEchantillonnees(s, Instants(e, 0), Pas(e)))
        Elargit(y, e.RampeMin, e.RampeMax);
}

void PlagesTemporelles(TSysteme& s, TEchellesAuto& e)
{
    const Reel sigma = PoleLePlusLent(s.Denominateur);
    // Un pôle si lent que dix constantes de temps ne se gradueraient plus (les dessins refusent
    // 1e100) compte comme un pôle nul ; plus loin encore, t² sortirait de l'étendue et la rampe
    // ne serait plus calculable.
    constexpr Reel DureeMaxLisible = 1e99L;
    const Reel dixConstantes = sigma > 0 ? 10 / sigma : std::numeric_limits<Reel>::infinity();
    e.TMaxAuto = (dixConstantes < DureeMaxLisible ? dixConstantes : 10) + s.TempsMort;
    EtendueIndicielle(s, e);
    const TGainStatique k = GainStatique(s.Numerateur, s.Denominateur);
    e.GainStat = k.Infini ? 0 : k.Valeur.Re;
    DecomposeRampe(s);
    EtendueRampe(s, e);
}

}  // namespace

const std::array<TChampEchelle, 14> ChampsEchellesAuto = {{
    {"FreqBasseAuto", &TEchellesAuto::FreqBasseAuto},   {"FreqHauteAuto", &TEchellesAuto::FreqHauteAuto},
    {"ReMinAuto", &TEchellesAuto::ReMinAuto},           {"ReMaxAuto", &TEchellesAuto::ReMaxAuto},
    {"ImMinAuto", &TEchellesAuto::ImMinAuto},           {"ImMaxAuto", &TEchellesAuto::ImMaxAuto},
    {"GainMinAuto", &TEchellesAuto::GainMinAuto},       {"GainMaxAuto", &TEchellesAuto::GainMaxAuto},
    {"TMaxAuto", &TEchellesAuto::TMaxAuto},             {"YMinIndicielle", &TEchellesAuto::YMinIndicielle},
    {"YMaxIndicielle", &TEchellesAuto::YMaxIndicielle}, {"RampeMin", &TEchellesAuto::RampeMin},
    {"RampeMax", &TEchellesAuto::RampeMax},             {"GainStat", &TEchellesAuto::GainStat},
}};

void CalculeEchellesAuto(TSysteme& s, TEchellesAuto& e)
{
    BalayageFrequentiel(s, e);
    if (s.SystemeStable) {
        PlagesTemporelles(s, e);
        return;
    }
    // Les réponses d'un système instable ne sont pas proposées, mais ses plages sont les siennes :
    // aucune ne doit rester d'une étude précédente. Sa rampe, elle, n'est préparée que sur une copie.
    OublieRampe(s);
    TSysteme copie = s;
    PlagesTemporelles(copie, e);
}

TSysteme SystemeAvecRampe(const TSysteme& systeme)
{
    TSysteme s = systeme;
    if (!s.SystemeStable)
        DecomposeRampe(s);
    return s;
}
