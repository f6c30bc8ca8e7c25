#include "EchellesAuto.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "Reponses.h"

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

Reel Frequence(int k) { return std::pow(10.0L, DecadeBasse + k / PointsParDecade); }

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

void BalayageFrequentiel(const TSysteme& s, TEchellesAuto& e)
{
    TBalayage b;
    e.ReMinAuto = e.ImMinAuto = e.GainMinAuto = 100;
    e.ReMaxAuto = e.ImMaxAuto = e.GainMaxAuto = -100;
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
    int v = 0;
    while (v <= DerniereFrequence && !Interessant(b, v, 0))
        ++v;
    if (v <= DerniereFrequence)
        e.FreqBasseAuto = Frequence(v);
    else
        v = 0;
    int w = DerniereFrequence;
    while (w >= 1 && !Interessant(b, w, DerniereFrequence))
        --w;
    if (w >= 1)
        e.FreqHauteAuto = Frequence(w);
    else
        w = 1;
    // Les deux recherches ont des références différentes : w peut précéder v.
    for (int k = std::min(v, w); k <= std::max(v, w); ++k)
        if (b.Finis[k])
            Elargit(b.Gains[k], e.GainMinAuto, e.GainMaxAuto);
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

void EtendueIndicielle(const TSysteme& s, TEchellesAuto& e)
{
    Reel minimum = 0;
    Reel maximum = 0;
    for (int k = 0; k < NombreInstants; ++k)
        Elargit(ReponseIndicielleUnitaire(s.Denominateur, s.PartieEntiere, s.Decomposition, Instant(e, k) - s.TempsMort),
                minimum, maximum);
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
    s.DRampe = InitPolynome();
    s.EntiereRampe = InitPolynome();
    s.DecompositionRampe.Efface();
}

void DecomposeRampe(TSysteme& s)
{
    OublieRampe(s);
    if (s.Denominateur.Degre >= DegreMax)
        return;
    s.DRampe = DenominateurRampe(s.Denominateur);
    s.DecompositionRampeFaite =
        DecomposeEnElementsSimples(s.Numerateur, s.DRampe, s.EntiereRampe, s.DecompositionRampe) == DecompositionFaite;
}

void EtendueRampe(const TSysteme& s, TEchellesAuto& e)
{
    e.RampeMin = 0;
    e.RampeMax = 0;
    for (int k = 0; k < NombreInstants; ++k)
        Elargit(ReponseRampe(s, Instant(e, k), 0, 1, 0), e.RampeMin, e.RampeMax);
}

void PlagesTemporelles(TSysteme& s, TEchellesAuto& e)
{
    const Reel sigma = PoleLePlusLent(s.Denominateur);
    // Un pôle si lent que dix constantes de temps sortent de l'étendue compte comme un pôle nul.
    const Reel dixConstantes = sigma > 0 ? 10 / sigma + s.TempsMort : std::numeric_limits<Reel>::infinity();
    e.TMaxAuto = std::isfinite(dixConstantes) ? dixConstantes : s.TempsMort + 10;
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
    if (s.SystemeStable)
        PlagesTemporelles(s, e);
    else
        OublieRampe(s);
}

TSysteme SystemeAvecRampe(const TSysteme& systeme)
{
    TSysteme s = systeme;
    if (!s.SystemeStable) {
        s.SystemeStable = true;
        TEchellesAuto ignorees;
        CalculeEchellesAuto(s, ignorees);
    }
    return s;
}
