// Les assistants de réglage tiennent leur cible, vérifiée par un calcul indépendant des marges
// (grille fine et dichotomie en quadruple précision) sur la boucle corrigée.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "MargesQuadruple.h"
#include "PolynomesSaisis.h"
#include "numerique/ReglageAvance.h"
#include "numerique/ReglageGain.h"
#include "numerique/ReglageOscillation.h"
#include "numerique/ReglageRetard.h"

namespace {

using quad::Q;

struct TEssai {
    const char* Nom;
    std::vector<Reel> N;
    std::vector<Reel> D;
    Reel T = 0;
    Reel MargePhaseGain = 0;  // cible de l'assistant de gain, 0 : pas essayé
    Reel MargeGainDb = 0;     // idem, marge de gain
    Reel MargePhaseAvance = 0;
    Reel K0Avance = 1;  // gain statique imposé au correcteur à avance
};

const std::vector<TEssai> Essais = {
    {"1/(p+1)", {1}, {1, 1}, 0, 120, 0, 0},
    {"1/(p(p+1))", {1}, {0, 1, 1}, 0, 45, 0, 60, 10},
    {"1/((p+1)(p+2))", {1}, {2, 3, 1}, 0, 60, 0, 0},
    {"1/(p(p+1)(p+2))", {1}, {0, 2, 3, 1}, 0, 45, 10, 50, 2},
    {"1/(p+1)^3", {1}, {1, 3, 3, 1}, 0, 45, 6, 0},
    {"1/(p(p+1)^2(0,1p+1))", {1}, {0, 1, 2.1L, 1.2L, 0.1L}, 0, 50, 12, 45, 0.5L},
    {"10/((p+1)(p+2)(p+3)(p+4)(p+5))", {10}, {120, 274, 225, 85, 15, 1}, 0, 60, 8, 0},
    {"1/(p+1)^6", {1}, {1, 6, 15, 20, 15, 6, 1}, 0, 40, 10, 0},
    {"(p+2)/(p(p+1)(p+3))", {2, 1}, {0, 3, 4, 1}, 0, 55, 0, 65, 20},
    {"1/(p²(p+5))", {1}, {0, 0, 5, 1}, 0, 0, 0, 40},
    {"e^(-0,5p)/(p+1)", {1}, {1, 1}, 0.5L, 60, 10, 0},
    {"e^(-0,2p)/(p(p+1))", {1}, {0, 1, 1}, 0.2L, 45, 8, 0},
    {"1/(p²+0,4p+1)", {1}, {1, 0.4L, 1}, 0, 30, 0, 0},
    {"(1-0,5p)/((p+1)(p+2))", {1, -0.5L}, {2, 3, 1}, 0, 60, 6, 0},
    {"100/(p(p+10)(p+20))", {100}, {0, 200, 30, 1}, 0, 45, 10, 55, 10},
    {"1/((p+1)(0,5p+1)(0,2p+1)(0,1p+1))", {1}, {1, 1.8L, 0.98L, 0.18L, 0.01L}, 0, 45, 10, 0},
    {"5(p+1)/(p(p+2)(p+3)(p+4)(p+5))", {5, 5}, {0, 120, 154, 71, 14, 1}, 0, 45, 10, 0},
    {"4/(p(0,5p+1)(0,05p+1))", {4}, {0, 1, 0.55L, 0.025L}, 0, 45, 10, 50, 2.5L},
    {"2/(p(p²+p+4))", {2}, {0, 4, 1, 1}, 0, 70, 10, 0},
    {"20/(p(p+1)(p+4))", {20}, {0, 4, 5, 1}, 0, 40, 10, 45, 0.5L},
    {"(0,5p+1)/(p²(0,1p+1))", {1, 0.5L}, {0, 0, 1, 0.1L}, 0, 30, 0, 50},
    {"8/((p+1)(0,5p+1)(0,1p+1))", {8}, {1, 1.6L, 0.65L, 0.05L}, 0, 45, 10, 55, 0.5L},
};

struct TG {
    TPolynome N;
    TPolynome D;
    Reel T;
    TFonctionG Vue() const { return {N, D, T}; }
};

TG Systeme(const TEssai& e)
{
    TG g{PolynomeReel(e.N), PolynomeReel(e.D), e.T};
    CalculeRacines(g.N);
    CalculeRacines(g.D);
    return g;
}

std::vector<Q> ProduitQ(const TPolynome& a, const std::vector<Reel>& b)
{
    std::vector<Q> p(std::size_t(a.Degre) + b.size(), 0);
    for (int i = 0; i <= a.Degre; ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            p[std::size_t(i) + j] += Q(a.Coef[std::size_t(i)].Re) * Q(b[j]);
    return p;
}

// Marges de C.G par le calcul indépendant.
quad::TMargesQ MargesReference(const TCorrecteur& c, const TEssai& e)
{
    const quad::TSystemeQ s{ProduitQ(NumerateurCorrecteur(c), e.N), ProduitQ(DenominateurCorrecteur(c), e.D), Q(e.T)};
    return quad::Calcule(s, 1e-4, e.T > 0 ? 300 : 1e4);
}

std::string Etapes(const TReglage& r)
{
    std::string t;
    for (const std::string& e : r.Etapes)
        t += "\n  " + e;
    return t;
}

// Sans retard, la boucle fermée réglée est aussi jugée stable par Routh sur Dc.D + Nc.N.
void ExpectBoucleStable(const TCorrecteur& c, const TEssai& e)
{
    if (e.T > 0)
        return;
    std::vector<Q> n = ProduitQ(NumerateurCorrecteur(c), e.N);
    std::vector<Q> d = ProduitQ(DenominateurCorrecteur(c), e.D);
    n.resize(std::max(n.size(), d.size()), 0);
    for (std::size_t k = 0; k < d.size(); ++k)
        n[k] += d[k];
    const std::optional<int> instables = quad::RacinesInstablesRouth(n);
    ASSERT_TRUE(instables.has_value()) << e.Nom;
    EXPECT_EQ(*instables, 0) << e.Nom;
}

TEST(Reglage, GainPourUneMargeDePhaseOuDeGain)
{
    int essaisPhase = 0;
    int essaisGain = 0;
    for (const TEssai& e : Essais)
        for (const bool phase : {true, false}) {
            const Reel cible = phase ? e.MargePhaseGain : e.MargeGainDb;
            if (cible == 0)
                continue;
            ++(phase ? essaisPhase : essaisGain);
            const TG g = Systeme(e);
            const TReglage r = phase ? GainPourMargePhase(g.Vue(), TCorrecteur{}, cible)
                                     : GainPourMargeGain(g.Vue(), TCorrecteur{}, cible);
            ASSERT_TRUE(r.Atteint) << e.Nom << Etapes(r);
            const quad::TMargesQ m = MargesReference(r.Correcteur, e);
            const std::optional<Q> obtenu = phase ? m.MargePhaseDeg : m.MargeGainDb;
            ASSERT_TRUE(obtenu.has_value()) << e.Nom;
            EXPECT_NEAR(double(*obtenu), double(cible), phase ? 0.1 : 0.01) << e.Nom << Etapes(r);
            ExpectBoucleStable(r.Correcteur, e);
        }
    EXPECT_GE(essaisPhase, 20);
    EXPECT_GE(essaisGain, 12);
}

TEST(Reglage, GainDUnPIPourUneMargeDePhase)
{
    const TEssai& e = Essais[4];
    const TG g = Systeme(e);
    TCorrecteur pi;
    pi.Type = TTypeCorrecteur::PI;
    pi.Ti = 4;
    const TReglage r = GainPourMargePhase(g.Vue(), pi, 45);
    ASSERT_TRUE(r.Atteint) << Etapes(r);
    EXPECT_EQ(r.Correcteur.Ti, 4);
    EXPECT_NEAR(double(*MargesReference(r.Correcteur, e).MargePhaseDeg), 45, 0.1);
}

TEST(Reglage, AvanceDePhase)
{
    int essais = 0;
    for (const TEssai& e : Essais) {
        if (e.MargePhaseAvance == 0)
            continue;
        ++essais;
        const TG g = Systeme(e);
        const TReglage r = AvancePourMargePhase(g.Vue(), e.K0Avance, e.MargePhaseAvance);
        ASSERT_TRUE(r.Atteint) << e.Nom << Etapes(r);
        ASSERT_EQ(r.Correcteur.Type, TTypeCorrecteur::Avance);
        EXPECT_GT(r.Correcteur.A, 1);
        const quad::TMargesQ m = MargesReference(r.Correcteur, e);
        ASSERT_TRUE(m.MargePhaseDeg.has_value()) << e.Nom;
        EXPECT_NEAR(double(*m.MargePhaseDeg), double(e.MargePhaseAvance), 0.1) << e.Nom << Etapes(r);
        ExpectBoucleStable(r.Correcteur, e);
        // La coupure est celle de |L(jωc)| = 1, ωc = 1/(τ√a), où l'avance apporte son maximum.
        const Q wc = 1 / (Q(r.Correcteur.Tau) * sqrtq(Q(r.Correcteur.A)));
        EXPECT_NEAR(double(*m.PulsationMP), double(wc), 1e-6 * double(wc)) << e.Nom;
    }
    EXPECT_GE(essais, 8);
}

std::string EnTexte(Q x)
{
    char t[48];
    std::snprintf(t, sizeof t, "%.4g", double(x));
    std::string r = t;
    std::replace(r.begin(), r.end(), '.', ',');
    return r;
}

// Le cours sur 2/(p(p+1)(p+2)) : marge de 4.G lue, φm = 50 − marge + 5°, a = (1 + sin φm)/(1 − sin φm).
TEST(Reglage, AvanceDuCoursSurLeTroisiemeOrdre)
{
    const TEssai& e = Essais[3];
    const TReglage r = AvancePourMargePhase(Systeme(e).Vue(), 2, 50);
    const quad::TSystemeQ s{{2}, {0, 2, 3, 1}, 0};
    const Q marge = *quad::Calcule(s, 1e-3, 1e3).MargePhaseDeg;
    const Q phi = 50 - marge + 5;
    const Q a = (1 + sinq(phi * acosq(Q(-1)) / 180)) / (1 - sinq(phi * acosq(Q(-1)) / 180));
    ASSERT_GE(r.Etapes.size(), 3u);
    EXPECT_NE(r.Etapes[0].find(EnTexte(marge)), std::string::npos) << EnTexte(marge) << Etapes(r);
    EXPECT_NE(r.Etapes[1].find("= " + EnTexte(phi) + "°"), std::string::npos) << EnTexte(phi) << Etapes(r);
    EXPECT_NE(r.Etapes[2].find("= " + EnTexte(a) + ","), std::string::npos) << EnTexte(a) << Etapes(r);
    EXPECT_TRUE(r.Atteint);
}

TEST(Reglage, AvanceInutileOuImpossibleLeDit)
{
    const TG g = Systeme(Essais[1]);  // 1/(p(p+1)) : 51,8° avec K = 1
    const TReglage inutile = AvancePourMargePhase(g.Vue(), 1, 50);
    EXPECT_FALSE(inutile.Atteint);
    EXPECT_NE(Etapes(inutile).find("pas utile"), std::string::npos) << Etapes(inutile);
    // Avec K0 = 4, 1/(p(p+1)(p+2)) perd sa phase trop vite : une seule avance n'y suffit pas.
    const TReglage troisieme = AvancePourMargePhase(Systeme(Essais[3]).Vue(), 4, 50);
    EXPECT_FALSE(troisieme.Atteint);
    EXPECT_NE(Etapes(troisieme).find("une seule avance"), std::string::npos) << Etapes(troisieme);
    const TReglage horsBorne = AvancePourMargePhase(g.Vue(), 1, 200);
    EXPECT_FALSE(horsBorne.Atteint);
    EXPECT_FALSE(horsBorne.Etapes.empty());
}

// Kc et ωc indépendants : la première pulsation où G(jω) est réel négatif, en quadruple.
TEST(Reglage, MethodeDOscillation)
{
    struct TCas {
        std::size_t Essai;
        TTypeCorrecteur Type;
    };
    int essais = 0;
    for (const TCas c : {TCas{3, TTypeCorrecteur::PID}, TCas{4, TTypeCorrecteur::P}, TCas{6, TTypeCorrecteur::PI},
                         TCas{7, TTypeCorrecteur::PID}, TCas{10, TTypeCorrecteur::PI}, TCas{15, TTypeCorrecteur::PID},
                         TCas{16, TTypeCorrecteur::PI}}) {
        const TEssai& e = Essais[c.Essai];
        const TG g = Systeme(e);
        TCorrecteur base;
        base.Type = c.Type;
        const TReglage r = ReglageOscillation(g.Vue(), base);
        const quad::TSystemeQ s{ProduitQ(PolynomeReel(std::vector<Reel>{1}), e.N),
                                ProduitQ(PolynomeReel(std::vector<Reel>{1}), e.D), Q(e.T)};
        const quad::TMargesQ m = quad::Calcule(s, 1e-4, e.T > 0 ? 300 : 1e4);
        ASSERT_FALSE(m.Phase.empty()) << e.Nom;
        const Q w = m.Phase.front();
        const Q kc = 1 / quad::Abs(quad::Reponse(s, w));
        const Q tc = 2 * acosq(Q(-1)) / w;
        ++essais;
        const double k = double(r.Correcteur.K);
        switch (c.Type) {
        case TTypeCorrecteur::P: EXPECT_NEAR(k, double(0.5 * kc), 1e-9 * k) << e.Nom; break;
        case TTypeCorrecteur::PI:
            EXPECT_NEAR(k, double(0.45 * kc), 1e-9 * k) << e.Nom;
            EXPECT_NEAR(double(r.Correcteur.Ti), double(tc / 1.2), 1e-9 * double(tc)) << e.Nom;
            break;
        default:
            EXPECT_NEAR(k, double(0.6 * kc), 1e-9 * k) << e.Nom;
            EXPECT_NEAR(double(r.Correcteur.Ti), double(tc / 2), 1e-9 * double(tc)) << e.Nom;
            EXPECT_NEAR(double(r.Correcteur.Td), double(tc / 8), 1e-9 * double(tc)) << e.Nom;
        }
        EXPECT_NE(Etapes(r).find(e.T > 0 ? "retard" : "dépassement"), std::string::npos) << e.Nom << Etapes(r);
    }
    EXPECT_GE(essais, 7);
}

TEST(Reglage, OscillationDuCoursEtSansGainCritique)
{
    TCorrecteur p;
    const TReglage r = ReglageOscillation(Systeme(Essais[4]).Vue(), p);  // 1/(p+1)^3 : Kc = 8, ω = √3
    EXPECT_NEAR(double(r.Correcteur.K), 4, 1e-12);
    for (const std::size_t i : {0u, 1u, 2u}) {
        const TReglage sans = ReglageOscillation(Systeme(Essais[i]).Vue(), p);
        EXPECT_FALSE(sans.Atteint) << Essais[i].Nom;
        EXPECT_NE(Etapes(sans).find("pas de gain critique"), std::string::npos) << Etapes(sans);
    }
}

// Erreur de la boucle corrigée tirée de L(p) près de 0, en quadruple : 1/(1 + L(0)) ou 1/lim p^k.L(p).
Q ErreurReference(const TCorrecteur& c, const TEssai& e, int classe)
{
    const quad::TSystemeQ s{ProduitQ(NumerateurCorrecteur(c), e.N), ProduitQ(DenominateurCorrecteur(c), e.D), 0};
    const Q p = Q(1e-20L);
    Q n = 0;
    Q d = 0;
    for (std::size_t k = s.N.size(); k-- > 0;)
        n = n * p + s.N[k];
    for (std::size_t k = s.D.size(); k-- > 0;)
        d = d * p + s.D[k];
    const Q l = n / d * powq(p, classe);
    return classe == 0 ? 1 / (1 + l) : 1 / l;
}

TEST(Reglage, RetardDePhasePourUneErreurStatique)
{
    struct TCas {
        std::size_t Essai;
        int Classe;
        Reel Erreur;
    };
    for (const TCas c : {TCas{3, 1, 0.05L}, TCas{21, 0, 0.02L}, TCas{1, 1, 0.1L}, TCas{14, 1, 0.05L},
                         TCas{18, 1, 0.1L}, TCas{17, 1, 0.05L}, TCas{20, 2, 0.05L}}) {
        const TEssai& e = Essais[c.Essai];
        const TG g = Systeme(e);
        const TReglage r = RetardPourErreurStatique(g.Vue(), c.Erreur);
        ASSERT_TRUE(r.Atteint) << e.Nom << Etapes(r);
        EXPECT_LE(double(ErreurReference(r.Correcteur, e, c.Classe)), double(c.Erreur) * (1 + 1e-9)) << e.Nom;
        const quad::TMargesQ avant = MargesReference(TCorrecteur{}, e);
        const quad::TMargesQ apres = MargesReference(r.Correcteur, e);
        ASSERT_TRUE(avant.MargePhaseDeg && apres.MargePhaseDeg) << e.Nom;
        EXPECT_LE(fabsq(*apres.MargePhaseDeg - *avant.MargePhaseDeg), 5) << e.Nom << Etapes(r);
    }
}

TEST(Reglage, RetardInutileOuSansErreurFinie)
{
    const TReglage deja = RetardPourErreurStatique(Systeme(Essais[3]).Vue(), 5);  // erreur de traînage 2
    EXPECT_FALSE(deja.Atteint);
    EXPECT_NE(Etapes(deja).find("pas utile"), std::string::npos) << Etapes(deja);
    const TReglage limite = RetardPourErreurStatique(Systeme(Essais[19]).Vue(), 0.05L);  // K = Kc
    EXPECT_FALSE(limite.Atteint);
    EXPECT_NE(Etapes(limite).find("pas stable"), std::string::npos) << Etapes(limite);
    const TEssai triple{"1/p³", {1}, {0, 0, 0, 1}};
    const TReglage triple_ = RetardPourErreurStatique(Systeme(triple).Vue(), 0.1L);
    EXPECT_FALSE(triple_.Atteint);
    EXPECT_FALSE(triple_.Etapes.empty());
}

}  // namespace
