// Marges aux bords : paires de croisements tangentes, marge de gain d'un gain minuscule, marge de
// retard sur plusieurs croisements de gain. Références en quadruple précision, par des formules
// fermées indépendantes du balayage.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "MargesQuadruple.h"
#include "PolynomesSaisis.h"
#include "numerique/Marges.h"

namespace {

using quad::Q;
const Q PiQ = acosq(Q(-1));

constexpr long double Tolerance = 1e-9L;

// Nom de test tiré du nom du cas : « - » n'y est pas permis.
template <typename T>
std::string NomDeCas(const testing::TestParamInfo<T>& info)
{
    std::string nom = info.param.Nom;
    std::replace(nom.begin(), nom.end(), '-', '_');
    return nom;
}

void ExpectPres(Q attendu, Reel obtenu, const std::string& quoi)
{
    const long double a = static_cast<long double>(attendu);
    EXPECT_LE(std::fabs(obtenu - a), Tolerance * std::max(1.0L, std::fabs(a)))
        << quoi << " : obtenu " << double(obtenu) << ", référence " << double(a);
}

void ExpectPulsations(const std::vector<Q>& attendues, const std::vector<Reel>& obtenues, const std::string& quoi)
{
    ASSERT_EQ(obtenues.size(), attendues.size()) << quoi;
    for (std::size_t k = 0; k < attendues.size(); ++k)
        ExpectPres(attendues[k], obtenues[k], quoi + " " + std::to_string(k));
}

// Racines positives croissantes de a.x² + b.x + c, sans annulation entre les deux.
std::vector<Q> RacinesPositives(Q a, Q b, Q c)
{
    const Q discriminant = b * b - 4 * a * c;
    if (discriminant < 0)
        return {};
    const Q q = -(b + (b < 0 ? -sqrtq(discriminant) : sqrtq(discriminant))) / 2;
    std::vector<Q> x;
    for (const Q r : {q / a, c / q})
        if (r > 0)
            x.push_back(r);
    std::sort(x.begin(), x.end());
    return x;
}

std::vector<Q> Racines(std::vector<Q> x)
{
    for (Q& v : x)
        v = sqrtq(v);
    return x;
}

quad::TSystemeQ EnQuadruple(const std::vector<Reel>& n, const std::vector<Reel>& d)
{
    quad::TSystemeQ s;
    for (const Reel c : n)
        s.N.push_back(Q(c));
    for (const Reel c : d)
        s.D.push_back(Q(c));
    return s;
}

// Plus petite marge de gain (dB, en valeur absolue) sur les croisements de phase donnés.
Q MargeGainQ(const quad::TSystemeQ& s, const std::vector<Q>& phases)
{
    Q meilleure = 0;
    for (std::size_t k = 0; k < phases.size(); ++k) {
        const Q mg = -20 * log10q(quad::Abs(quad::Rationnel(s, phases[k])));
        if (k == 0 || fabsq(mg) < fabsq(meilleure))
            meilleure = mg;
    }
    return meilleure;
}

// ---- Pic de gain qui dépasse 1 d'un rien : K/(p² + d1.p + d0).

struct TCasGain {
    const char* Nom;
    Reel K, D0, D1;
};

// |D(jw)|² est minimal en w² = d0 - d1²/2, où il vaut d1².(d0 - d1²/4) : K le dépasse d'exces.
TCasGain PicDepasse(const char* nom, Reel w0, Reel zeta, Reel exces)
{
    const Reel d0 = w0 * w0;
    const Reel d1 = 2 * zeta * w0;
    return {nom, std::sqrt(d1 * d1 * (d0 - d1 * d1 / 4)) * (1 + exces), d0, d1};
}

const std::vector<TCasGain> CasGain = {
    {"releve_exces_3e-4", 3.1156900870674386L, 7.9473634511929033L, 1.1276427413817129L},
    PicDepasse("exces_1e-6", 1, 0.2L, 1e-6L),
    PicDepasse("exces_1e-9_peu_amorti", 1, 0.05L, 1e-9L),
    PicDepasse("exces_1e-12_haute_frequence", 1000, 0.3L, 1e-12L),
    PicDepasse("exces_1e-8_basse_frequence", 1e-3L, 0.1L, 1e-8L),
    PicDepasse("exces_1e-14", 2.819L, 0.2L, 1e-14L),
};

class GainTangent : public testing::TestWithParam<TCasGain> {};

TEST_P(GainTangent, LesDeuxCroisementsEtLeursMarges)
{
    const TCasGain& c = GetParam();
    const TMarges m = CalculeMarges(PolynomeDeCoefs({c.K}), PolynomeDeCoefs({c.D0, c.D1, 1}), 0);
    // |D(jw)|² = K² : x² + (d1² - 2.d0).x + d0² - K² = 0 en x = w².
    const Q k = c.K, d0 = c.D0, d1 = c.D1;
    const std::vector<Q> w = Racines(RacinesPositives(1, d1 * d1 - 2 * d0, d0 * d0 - k * k));
    ASSERT_EQ(w.size(), 2u);
    ExpectPulsations(w, m.CroisementsGain, "croisement de gain");
    Q mp = 0, retard = 0;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const quad::C h = quad::Div({k, 0}, {d0 - w[i] * w[i], d1 * w[i]});
        const Q marge = atan2q(-h.im, -h.re);
        if (i == 0 || fabsq(marge) < fabsq(mp))
            mp = marge;
        if (i == 0 || marge / w[i] < retard)
            retard = marge / w[i];
    }
    ASSERT_TRUE(m.MargePhase && m.MargeRetard);
    ExpectPres(mp * 180 / PiQ, *m.MargePhase, "marge de phase");
    ExpectPres(retard, *m.MargeRetard, "marge de retard");
    EXPECT_EQ(m.Verdict.Stabilite, TStabiliteBoucleFermee::Stable);
}

INSTANTIATE_TEST_SUITE_P(Pics, GainTangent, testing::ValuesIn(CasGain),
                         NomDeCas<TCasGain>);

// Le cas relevé, lu comme le lit l'enseignant (références mpmath à 50 chiffres).
TEST(GainTangent, CasReleveEnHertz)
{
    const TCasGain& c = CasGain.front();
    const TMarges m = CalculeMarges(PolynomeDeCoefs({c.K}), PolynomeDeCoefs({c.D0, c.D1, 1}), 0);
    ASSERT_EQ(m.CroisementsGain.size(), 2u);
    EXPECT_NEAR(double(m.CroisementsGain[0] / DeuxPi), 0.428056872283518, 1e-12);
    EXPECT_NEAR(double(m.CroisementsGain[1] / DeuxPi), 0.432638416091062, 1e-12);
    EXPECT_NEAR(double(*m.MargePhase), 100.316053885780, 1e-9);
    EXPECT_NEAR(double(*m.MargeRetard), 0.644084516941340, 1e-12);
}

// ---- Phase qui remonte à un rien de -180° : (1 + p)² / (p³.(1 + b.p + c.p²)).

struct TCasPhase {
    const char* Nom;
    Reel B, C;
};

// Im N(jw).D(-jw) = w³.(c.x² - (1 + c - 2b).x + 1), x = w² : racine double pour
// b = (1 + c - 2.sqrt(c))/2 ; b un peu plus petit sépare la paire.
TCasPhase SousTangence(const char* nom, Reel c, Reel ecart)
{
    return {nom, (1 + c - 2 * std::sqrt(c)) / 2 - ecart, c};
}

const std::vector<TCasPhase> CasPhase = {
    {"releve", 3.4313728081741235e-1L, 2.9435798371691926e-2L},
    SousTangence("ecart_1e-9", 2.9435798371691926e-2L, 1e-9L),
    SousTangence("ecart_1e-12", 2.9435798371691926e-2L, 1e-12L),
    SousTangence("c_0_01_ecart_1e-9", 0.01L, 1e-9L),
    SousTangence("c_0_1_ecart_1e-12", 0.1L, 1e-12L),
};

class PhaseTangente : public testing::TestWithParam<TCasPhase> {};

TEST_P(PhaseTangente, LaPaireDeCroisementsEtLaMargeDeGain)
{
    const TCasPhase& c = GetParam();
    const std::vector<Reel> n = {1, 2, 1};
    const std::vector<Reel> d = {0, 0, 0, 1, c.B, c.C};
    const TMarges m = CalculeMarges(PolynomeDeCoefs(n), PolynomeDeCoefs(d), 0);
    const Q b = c.B, cc = c.C;
    const std::vector<Q> w = Racines(RacinesPositives(cc, -(1 + cc - 2 * b), 1));
    ASSERT_EQ(w.size(), 2u);
    const quad::TSystemeQ s = EnQuadruple(n, d);
    for (const Q x : w)
        ASSERT_LT(quad::Rationnel(s, x).re, 0) << "croisement de -180°, pas de 0°";
    ExpectPulsations(w, m.CroisementsPhase, "croisement de phase");
    ASSERT_TRUE(m.MargeGain);
    ExpectPres(MargeGainQ(s, w), *m.MargeGain, "marge de gain");
}

INSTANTIATE_TEST_SUITE_P(Pics, PhaseTangente, testing::ValuesIn(CasPhase),
                         NomDeCas<TCasPhase>);

TEST(PhaseTangente, CasReleveEnHertz)
{
    const TMarges m = CalculeMarges(PolynomeDeCoefs({1, 2, 1}), PolynomeDeCoefs({0, 0, 0, 1, CasPhase[0].B, CasPhase[0].C}), 0);
    ASSERT_EQ(m.CroisementsPhase.size(), 2u);
    EXPECT_NEAR(double(m.CroisementsPhase[0] / DeuxPi), 0.381975299032882, 1e-12);
    EXPECT_NEAR(double(m.CroisementsPhase[1] / DeuxPi), 0.386515641836072, 1e-12);
    EXPECT_NEAR(double(*m.MargeGain), 7.57424181362323, 1e-9);
}

// ---- Marge de gain d'un gain minuscule : K / produit des (p + a).

struct TCasGainFaible {
    const char* Nom;
    Reel K;
    std::vector<Reel> Poles;  // les a > 0
};

const std::vector<TCasGainFaible> CasGainFaible = {
    {"trois_poles_3e-6", 3e-6L, {1, 1, 1}},
    {"trois_poles_1e-12", 1e-12L, {1, 1, 1}},
    {"degre_dix_du_fichier", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    {"cinq_poles_1e-30", 1e-30L, {0.5L, 1, 2, 4, 8}},
};

std::vector<Reel> Developpe(const std::vector<Reel>& poles)
{
    std::vector<Reel> c = {1};
    for (const Reel a : poles) {
        c.push_back(0);
        for (std::size_t k = c.size() - 1; k > 0; --k)
            c[k] = c[k - 1] + a * c[k];
        c[0] *= a;
    }
    return c;
}

class GainFaible : public testing::TestWithParam<TCasGainFaible> {};

// Chaque croisement compte, quel que soit |H| : somme des atan(w/a) = (2k + 1).pi.
TEST_P(GainFaible, ToutCroisementDePhaseCompte)
{
    const TCasGainFaible& c = GetParam();
    const std::vector<Reel> d = Developpe(c.Poles);
    const TMarges m = CalculeMarges(PolynomeDeCoefs({c.K}), PolynomeDeCoefs(d), 0);
    const auto retardDePhase = [&](Q w) {
        Q r = 0;
        for (const Reel a : c.Poles)
            r += atanq(w / Q(a));
        return r;
    };
    std::vector<Q> w;
    for (int k = 0; (2 * k + 1) * 2 < int(c.Poles.size()); ++k) {
        Q bas = 0, haut = 1;
        while (retardDePhase(haut) < (2 * k + 1) * PiQ)
            haut *= 2;
        for (int i = 0; i < 300; ++i) {
            const Q milieu = (bas + haut) / 2;
            (retardDePhase(milieu) < (2 * k + 1) * PiQ ? bas : haut) = milieu;
        }
        w.push_back((bas + haut) / 2);
    }
    ASSERT_FALSE(w.empty());
    ExpectPulsations(w, m.CroisementsPhase, "croisement de phase");
    ASSERT_TRUE(m.MargeGain);
    ExpectPres(MargeGainQ(EnQuadruple({c.K}, d), w), *m.MargeGain, "marge de gain");
    EXPECT_GT(*m.MargeGain, 120);
}

INSTANTIATE_TEST_SUITE_P(Gains, GainFaible, testing::ValuesIn(CasGainFaible),
                         NomDeCas<TCasGainFaible>);

TEST(GainFaible, DegreDixCommeLeFichierLivre)
{
    const TMarges m = CalculeMarges(PolynomeDeCoefs({1}), PolynomeDeCoefs(Developpe({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})), 0);
    ASSERT_TRUE(m.MargeGain);
    EXPECT_NEAR(double(*m.MargeGain), 138.41, 0.005);
    EXPECT_NEAR(double(m.PulsationMargeGain / DeuxPi), 0.19473, 0.000005);
}

// ---- Marge de retard sur plusieurs croisements de gain.

struct TCasRetard {
    const char* Nom;
    std::vector<Reel> N, D;
};

const std::vector<TCasRetard> CasRetard = {
    // Trois croisements, dont un de marge négative, boucle fermée stable.
    {"trois_croisements", {2, 3, 1}, {0, 25, 0.4L, 1}},
    {"troisieme_ordre", {1}, {0, 2, 3, 1}},
};

class MargeRetard : public testing::TestWithParam<TCasRetard> {};

// Le plus petit retard qui déstabilise : juste en deçà la boucle reste stable, juste au-delà
// elle ne l'est plus (verdict de Nyquist avec ce retard).
TEST_P(MargeRetard, LePlusPetitRetardQuiDestabilise)
{
    const TCasRetard& c = GetParam();
    const TPolynome n = PolynomeDeCoefs(c.N);
    const TPolynome d = PolynomeDeCoefs(c.D);
    const TMarges m = CalculeMarges(n, d, 0);
    ASSERT_EQ(m.Verdict.Stabilite, TStabiliteBoucleFermee::Stable);
    const quad::TMargesQ ref = quad::Calcule(EnQuadruple(c.N, c.D), 1e-4, 1e4);
    ASSERT_TRUE(ref.MargeRetard && m.MargeRetard);
    ExpectPres(*ref.MargeRetard, *m.MargeRetard, "marge de retard");
    EXPECT_EQ(CalculeMarges(n, d, *m.MargeRetard * 0.99L).Verdict.Stabilite, TStabiliteBoucleFermee::Stable);
    EXPECT_EQ(CalculeMarges(n, d, *m.MargeRetard * 1.01L).Verdict.Stabilite, TStabiliteBoucleFermee::Instable);
}

INSTANTIATE_TEST_SUITE_P(Boucles, MargeRetard, testing::ValuesIn(CasRetard),
                         NomDeCas<TCasRetard>);

TEST(MargeRetard, TroisCroisementsEnSecondes)
{
    const TPolynome n = PolynomeDeCoefs({2, 3, 1});
    const TPolynome d = PolynomeDeCoefs({0, 25, 0.4L, 1});
    const TMarges m = CalculeMarges(n, d, 0);
    ASSERT_EQ(m.CroisementsGain.size(), 3u);
    EXPECT_NEAR(double(*m.MargeRetard), 0.257594183763166, 1e-12);
    EXPECT_EQ(CalculeMarges(n, d, 0.25L).Verdict.Stabilite, TStabiliteBoucleFermee::Stable);
    EXPECT_EQ(CalculeMarges(n, d, 0.26L).Verdict.Stabilite, TStabiliteBoucleFermee::Instable);
}

// ---- Retards immenses : seule la bande où |H| >= 1 peut entourer -1.

struct TCasRetardLong {
    Reel K;  // K/(p + 1).e^(-Tp)
    Reel T;
};

// Tours de -1 comptés à part : K/(1 + jw).e^(-jwT) coupe l'axe réel négatif où
// wT + atan(w) = (2k + 1).pi, et l'entoure chaque fois que |H| > 1 (w < sqrt(K² - 1)) ; chaque
// coupure compte deux fois (pulsations positives et négatives). K < 1 : |H| < 1 partout, stable.
int ToursAttendus(const TCasRetardLong& c)
{
    if (c.K <= 1)
        return 0;
    const Q wMax = sqrtq(Q(c.K) * Q(c.K) - 1);
    const Q retard = wMax * Q(c.T) + atanq(wMax);
    return 2 * int(floorq((retard / PiQ + 1) / 2));
}

TEST(RetardLong, VerdictSansSuivreChaqueTour)
{
    for (const TCasRetardLong c : {TCasRetardLong{1, 1e6L}, {1, 1e100L}, {0.5L, 1e30L}, {2, 100}, {2, 3}, {1.5L, 1000}}) {
        const TMarges m = CalculeMarges(PolynomeDeCoefs({c.K}), PolynomeDeCoefs({1, 1}), c.T);
        const int tours = ToursAttendus(c);
        EXPECT_EQ(m.Verdict.Stabilite, tours == 0 ? TStabiliteBoucleFermee::Stable : TStabiliteBoucleFermee::Instable)
            << double(c.K) << " " << double(c.T);
        EXPECT_EQ(m.Verdict.Encerclements, tours) << double(c.K) << " " << double(c.T);
    }
}

}  // namespace
