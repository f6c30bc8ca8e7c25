#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "MargesQuadruple.h"
#include "PolynomesSaisis.h"
#include "numerique/Marges.h"

namespace {

// Écart relatif admis sur les pulsations et les marges (absolu sous 1).
constexpr long double Tolerance = 1e-9L;

struct TCas {
    const char* Nom;
    Reel Gain;
    std::vector<TComplexe> Zeros;
    std::vector<TComplexe> Poles;
    Reel T = 0;
};

TComplexe Re(Reel x) { return {x, 0}; }
// Paire de pôles ou de zéros de pulsation propre w0 et d'amortissement z.
std::vector<TComplexe> Paire(Reel w0, Reel z)
{
    const Reel im = w0 * std::sqrt(1 - z * z);
    return {{-z * w0, im}, {-z * w0, -im}};
}
std::vector<TComplexe> Avec(std::vector<TComplexe> a, const std::vector<TComplexe>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
std::vector<TComplexe> Repete(TComplexe r, int n) { return std::vector<TComplexe>(std::size_t(n), r); }

const std::vector<TCas> Cas = {
    {"troisieme_ordre", 1, {}, {Re(0), Re(-1), Re(-2)}},
    {"troisieme_ordre_retard_1s", 1, {}, {Re(0), Re(-1), Re(-2)}, 1},
    {"troisieme_ordre_instable", 10, {}, {Re(0), Re(-1), Re(-2)}},
    {"premier_ordre", 5, {}, {Re(-1)}},
    {"premier_ordre_retard_10s", 3, {}, {Re(-1)}, 10},
    {"premier_ordre_petit_retard", 20, {}, {Re(-10)}, 0.003L},
    {"deuxieme_ordre_retard", 4, {}, {Re(-1), Re(-1)}, 0.5L},
    {"integrateur_retard", 0.7L, {}, {Re(0)}, 2},
    {"double_integrateur_avance", 1, {Re(-0.3L)}, {Re(0), Re(0), Re(-5)}},
    {"resonance_001_deux_croisements", 0.05L, {}, Paire(1, 0.01L)},
    {"resonance_001_integrateur", 2, {}, Avec({Re(0)}, Paire(1, 0.01L))},
    {"resonance_001_retard", 0.05L, {}, Paire(3, 0.01L), 0.4L},
    {"resonance_haute_frequence", 0.02L, {Re(-2)}, Avec({Re(-1)}, Paire(200, 0.01L))},
    {"deux_resonances", 3, {}, Avec(Paire(1, 0.01L), Paire(10, 0.01L))},
    {"zero_instable", 2, {Re(3)}, {Re(-1), Re(-2)}},
    {"pole_instable", 3, {Re(-0.5L)}, {Re(1), Re(-4)}},
    {"avance_de_phase", 10, {Re(-1)}, {Re(0), Re(-10), Re(-20)}},
    {"retard_de_phase", 50, {Re(-0.1L)}, {Re(-0.01L), Re(-5), Re(-8)}},
    {"quatrieme_ordre", 8, {}, Repete(Re(-1), 4)},
    {"cinquieme_ordre_retard", 1.5L, {}, Repete(Re(-2), 5), 0.2L},
    {"sixieme_ordre_melange", 1000, {Re(-3)}, Avec({Re(-1), Re(-5), Re(-20)}, Paire(4, 0.3L))},
    {"septieme_ordre", 200, {Re(-1), Re(-2)}, Avec(Avec({Re(0), Re(-0.5L), Re(-7)}, Paire(2, 0.05L)), Paire(30, 0.2L))},
    {"huitieme_ordre", 1e4L, {}, Avec(Avec(Repete(Re(-3), 4), Paire(5, 0.1L)), Paire(8, 0.5L))},
    {"neuvieme_ordre_retard", 5e3L, {Re(-2)}, Avec(Avec(Repete(Re(-2.5L), 3), Paire(1, 0.2L)), Avec(Paire(6, 0.05L), Paire(12, 0.4L))), 0.05L},
    {"dixieme_ordre", 3, {}, Repete(Re(-1), 10)},
    {"dixieme_ordre_etale", 1e12L, {}, {Re(-0.1L), Re(-0.3L), Re(-1), Re(-3), Re(-10), Re(-30), Re(-100), Re(-300), Re(-1000), Re(-3000)}},
    {"dixieme_ordre_retard_10s", 0.9L, {Re(-1)}, Avec(Repete(Re(-0.5L), 5), Avec(Paire(2, 0.01L), Avec(Paire(4, 0.3L), {Re(-3)}))), 10},
    {"biprope_retard", 0.5L, {Re(-2)}, {Re(-1)}, 1},
    {"gain_pur_retard_10s", 0.8L, {}, {}, 10},
    {"triple_integrateur", 0.1L, {Re(-1), Re(-1)}, {Re(0), Re(0), Re(0), Re(-10)}},
    {"plusieurs_croisements_de_gain", 30, Paire(1, 0.05L), Avec({Re(0), Re(-0.1L)}, Avec(Paire(0.3L, 0.01L), Paire(5, 0.02L)))},
    {"gain_faible_retard", 0.01L, {}, {Re(0)}, 0.5L},
    {"lent_et_rapide", 0.001L, {}, {Re(0), Re(-0.001L)}},
};

quad::TSystemeQ VersQuadruple(const TPolynome& n, const TPolynome& d, Reel T)
{
    quad::TSystemeQ s;
    for (int k = 0; k <= n.Degre; ++k)
        s.N.push_back(quad::Q(n.Coef[k].Re));
    for (int k = 0; k <= d.Degre; ++k)
        s.D.push_back(quad::Q(d.Coef[k].Re));
    s.T = quad::Q(T);
    return s;
}

// Pulsation où |asymptote| = 1 : c.w^(-m) aux basses fréquences, Gain.w^(nz - np) aux hautes.
std::optional<double> CroisementAsymptotique(const TCas& c, bool hautes)
{
    double gain = double(c.Gain);
    int m = 0;
    if (hautes)
        m = int(c.Poles.size()) - int(c.Zeros.size());
    else {
        for (const TComplexe& z : c.Zeros)
            Module(z) > 0 ? gain *= double(Module(z)) : --m;
        for (const TComplexe& p : c.Poles)
            Module(p) > 0 ? gain /= double(Module(p)) : ++m;
    }
    if (m == 0)
        return std::nullopt;
    return std::pow(gain, 1.0 / m);
}

// La grille de référence couvre quatre décades de part et d'autre des racines, des croisements
// asymptotiques et de 1/T.
void Plage(const TCas& c, double& wMin, double& wMax)
{
    std::vector<double> reperes;
    for (const auto* liste : {&c.Zeros, &c.Poles})
        for (const TComplexe& r : *liste)
            if (Module(r) > 0)
                reperes.push_back(double(Module(r)));
    for (const bool hautes : {false, true})
        if (const auto w = CroisementAsymptotique(c, hautes))
            reperes.push_back(*w);
    if (c.T > 0)
        reperes.push_back(1 / double(c.T));
    if (reperes.empty())
        reperes.push_back(1);
    wMin = *std::min_element(reperes.begin(), reperes.end()) * 1e-4;
    wMax = *std::max_element(reperes.begin(), reperes.end()) * 1e4;
}

void ExpectPres(quad::Q attendu, Reel obtenu, const std::string& quoi)
{
    const long double a = static_cast<long double>(attendu);
    EXPECT_LE(std::fabs(obtenu - a), Tolerance * std::max(1.0L, std::fabs(a)))
        << quoi << " : obtenu " << double(obtenu) << ", référence " << double(a);
}

void ExpectMarge(const std::optional<quad::Q>& attendue, const std::optional<Reel>& obtenue, const std::string& quoi)
{
    ASSERT_EQ(attendue.has_value(), obtenue.has_value()) << quoi;
    if (attendue)
        ExpectPres(*attendue, *obtenue, quoi);
}

class MargesReference : public testing::TestWithParam<TCas> {};

TEST_P(MargesReference, CommeLaQuadruplePrecision)
{
    const TCas& c = GetParam();
    const TPolynome n = PolynomeDeRacines(c.Gain, c.Zeros);
    const TPolynome d = PolynomeDeRacines(1, c.Poles);
    const TMarges m = CalculeMarges(n, d, c.T);
    double wMin = 0, wMax = 0;
    Plage(c, wMin, wMax);
    const quad::TMargesQ ref = quad::Calcule(VersQuadruple(n, d, c.T), wMin, wMax);

    ASSERT_EQ(m.CroisementsGain.size(), ref.Gain.size());
    for (std::size_t k = 0; k < ref.Gain.size(); ++k)
        ExpectPres(ref.Gain[k], m.CroisementsGain[k], "croisement de gain " + std::to_string(k));
    ASSERT_EQ(m.CroisementsPhase.size(), ref.Phase.size());
    for (std::size_t k = 0; k < ref.Phase.size(); ++k)
        ExpectPres(ref.Phase[k], m.CroisementsPhase[k], "croisement de phase " + std::to_string(k));
    ExpectMarge(ref.MargeGainDb, m.MargeGain, "marge de gain");
    ExpectMarge(ref.MargePhaseDeg, m.MargePhase, "marge de phase");
    // Une boucle fermée déjà instable n'a aucun retard à perdre.
    if (m.Verdict.Stabilite == TStabiliteBoucleFermee::Instable)
        EXPECT_EQ(m.MargeRetard, std::optional<Reel>(0));
    else
        ExpectMarge(ref.MargeRetard, m.MargeRetard, "marge de retard");
    if (ref.PulsationMG)
        ExpectPres(*ref.PulsationMG, m.PulsationMargeGain, "pulsation de la marge de gain");
    if (ref.PulsationMP)
        ExpectPres(*ref.PulsationMP, m.PulsationMargePhase, "pulsation de la marge de phase");
}

// Sans retard, le verdict de Nyquist doit compter les pôles instables de D + N.
TEST_P(MargesReference, VerdictCommeRouth)
{
    const TCas& c = GetParam();
    if (c.T > 0)
        GTEST_SKIP() << "boucle fermée transcendante";
    const TPolynome n = PolynomeDeRacines(c.Gain, c.Zeros);
    const TPolynome d = PolynomeDeRacines(1, c.Poles);
    const quad::TSystemeQ s = VersQuadruple(n, d, 0);
    std::vector<quad::Q> ferme = s.D;
    for (std::size_t k = 0; k < s.N.size(); ++k)
        ferme[k] += s.N[k];
    const std::optional<int> instables = quad::RacinesInstablesRouth(ferme);
    ASSERT_TRUE(instables.has_value());
    const TVerdictNyquist v = CalculeMarges(n, d, 0).Verdict;
    ASSERT_NE(v.Stabilite, TStabiliteBoucleFermee::Indecidable) << v.Raison;
    EXPECT_EQ(v.PolesInstables + v.Encerclements, *instables);
    EXPECT_EQ(v.Stabilite == TStabiliteBoucleFermee::Stable, *instables == 0);
}

INSTANTIATE_TEST_SUITE_P(Systemes, MargesReference, testing::ValuesIn(Cas),
                         [](const testing::TestParamInfo<TCas>& info) { return std::string(info.param.Nom); });

TEST(MargesReference, AuMoinsTrenteSystemes) { EXPECT_GE(Cas.size(), 30u); }

}  // namespace
