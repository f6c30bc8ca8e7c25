// Lieu d'Evans : points remarquables jugés contre un calcul indépendant en précision
// quadruple, branches continues de leurs pôles à leurs zéros ou à l'infini.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ReferenceQuad.h"
#include "SystemesEvans.h"
#include "numerique/BoucleFermee.h"
#include "numerique/LieuEvans.h"

namespace {

struct TEntree {
    TPolynome N;
    TPolynome D;
    PQ NQ;
    PQ DQ;
};

TEntree Entree(const TSystemeEvans& s)
{
    TEntree e;
    const std::vector<Reel> n = CoefficientsEssai(s.Zeros);
    const std::vector<Reel> d = CoefficientsEssai(s.Poles);
    e.N = PolynomeReel(n);
    e.D = PolynomeReel(d);
    CalculeRacines(e.N);
    CalculeRacines(e.D);
    for (const Reel c : n)
        e.NQ.push_back(Quad(c));
    for (const Reel c : d)
        e.DQ.push_back(Quad(c));
    return e;
}

Reel EcartRelatif(Reel x, Quad ref, Reel echelle) { return Reel(fabsq(Quad(x) - ref)) / std::max(Reel(fabsq(ref)), echelle); }

// Taille des pôles et zéros : l'échelle sous laquelle une valeur proche de 0 se juge en absolu.
Reel Echelle(const TEntree& e)
{
    Reel m = 0;
    for (int i = 1; i <= e.D.Degre; ++i)
        m = std::max(m, Module(e.D.Racines[i]));
    for (int i = 1; i <= e.N.Degre; ++i)
        m = std::max(m, Module(e.N.Racines[i]));
    return std::max(m, Reel(1e-300L)) * 1e-6L;
}

class LieuContreReference : public ::testing::TestWithParam<TSystemeEvans> {};

TEST_P(LieuContreReference, CroisementsEtSeparationsA1e9Pres)
{
    const TEntree e = Entree(GetParam());
    const Reel echelle = Echelle(e);
    const std::vector<CroisementQuad> refC = CroisementsQuad(e.NQ, e.DQ);
    const std::vector<TCroisement> c = CroisementsAxeImaginaire(e.N, e.D);
    ASSERT_EQ(c.size(), refC.size());
    for (const CroisementQuad& r : refC) {
        const auto proche = std::min_element(c.begin(), c.end(), [&](const TCroisement& a, const TCroisement& b) {
            return fabsq(Quad(a.Omega) - r.Omega) < fabsq(Quad(b.Omega) - r.Omega);
        });
        EXPECT_LE(EcartRelatif(proche->Omega, r.Omega, echelle), 1e-9L) << double(r.Omega);
        EXPECT_LE(EcartRelatif(proche->K, r.K, 0), 1e-9L) << double(r.K);
    }
    const std::vector<SeparationQuad> refS = SeparationsQuad(e.NQ, e.DQ);
    const std::vector<TSeparation> s = SeparationsEvans(e.N, e.D);
    ASSERT_EQ(s.size(), refS.size());
    for (const SeparationQuad& r : refS) {
        const auto distance = [&](const TSeparation& a) { return Abs(QC{Quad(a.P.Re) - r.P.Re, Quad(a.P.Im) - r.P.Im}); };
        const auto proche = std::min_element(s.begin(), s.end(),
                                             [&](const TSeparation& a, const TSeparation& b) { return distance(a) < distance(b); });
        EXPECT_LE(Reel(distance(*proche)) / std::max(Reel(Abs(r.P)), echelle), 1e-9L) << double(r.P.Re) << " " << double(r.P.Im);
        EXPECT_LE(EcartRelatif(proche->K, r.K, 0), 1e-9L);
    }
}

// Une branche par racine de D + K.N ; elles partent des pôles, arrivent aux zéros ou sortent
// du cadre par l'infini, et aucune racine visible ne saute plus d'un centième du cadre.
TEST_P(LieuContreReference, BranchesContinuesDesPolesAuxZerosOuALInfini)
{
    const TEntree e = Entree(GetParam());
    const TPointsEvans points = PointsEvans(e.N, e.D);
    const TCadreLieu cadre = CadreAutoEvans(e.N, e.D, points);
    const TLieuEvans lieu = BranchesEvans(e.N, e.D, cadre);
    const int n = std::max(e.N.Degre, e.D.Degre);
    ASSERT_EQ(lieu.NbBranches, n);
    ASSERT_GE(lieu.Points.size(), 3u);
    ASSERT_LT(lieu.Points.size(), std::size_t(PointsLieuMax));
    const Reel etendue = std::max(cadre.XMax - cadre.XMin, cadre.YMax - cadre.YMin);
    const TComplexe centre{(cadre.XMin + cadre.XMax) / 2, (cadre.YMin + cadre.YMax) / 2};
    const auto loin = [&](TComplexe z) { return !EstFini(z) || Distance(z, centre) > 3 * etendue; };

    // Départ (K = 0) sur les pôles, arrivée sur les zéros (m d'entre elles) ou au loin (n - m).
    const TPointLieu& depart = e.D.Degre >= e.N.Degre ? lieu.Points.front() : lieu.Points.back();
    const TPointLieu& arrivee = e.D.Degre >= e.N.Degre ? lieu.Points.back() : lieu.Points.front();
    const TPolynome& debuts = e.D.Degre >= e.N.Degre ? e.D : e.N;
    const TPolynome& fins = e.D.Degre >= e.N.Degre ? e.N : e.D;
    std::vector<bool> prise(std::size_t(n), false);
    for (int i = 1; i <= debuts.Degre; ++i) {
        int b = 0;
        while (b < n && (prise[std::size_t(b)] || Distance(depart.Racines[std::size_t(b)], debuts.Racines[i]) > 1e-9L * etendue))
            ++b;
        ASSERT_LT(b, n) << "aucune branche ne part de la racine " << i;
        prise[std::size_t(b)] = true;
    }
    int surZero = 0, auLoin = 0;
    for (int b = 0; b < n; ++b) {
        const TComplexe z = arrivee.Racines[std::size_t(b)];
        bool zero = false;
        for (int i = 1; i <= fins.Degre; ++i)
            zero = zero || Distance(z, fins.Racines[i]) <= 2e-3L * etendue;
        surZero += zero ? 1 : 0;
        auLoin += !zero && loin(z) ? 1 : 0;
    }
    EXPECT_EQ(surZero, fins.Degre);
    EXPECT_EQ(auLoin, n - fins.Degre);

    for (std::size_t i = 1; i < lieu.Points.size(); ++i) {
        EXPECT_GT(lieu.Points[i].K, lieu.Points[i - 1].K);
        for (int b = 0; b < n; ++b) {
            const TComplexe a = lieu.Points[i - 1].Racines[std::size_t(b)];
            const TComplexe z = lieu.Points[i].Racines[std::size_t(b)];
            if (!(loin(a) && loin(z))) {
                ASSERT_LE(Distance(a, z), PasLieuMax * etendue * 1.0001L) << "branche " << b << ", point " << i;
            }
        }
    }
}

// Chaque point est bien un point du lieu : les racines rangées annulent D + K.N.
TEST_P(LieuContreReference, ChaquePointAnnuleDPlusKN)
{
    const TEntree e = Entree(GetParam());
    if (e.N.Degre > e.D.Degre)
        GTEST_SKIP() << "lieu parcouru depuis l'infini";
    const TCadreLieu cadre = CadreAutoEvans(e.N, e.D, PointsEvans(e.N, e.D));
    const TLieuEvans lieu = BranchesEvans(e.N, e.D, cadre);
    for (std::size_t i = 0; i < lieu.Points.size(); i += 7) {
        const TBoucleFermee f = FonctionBoucleFermee(e.N, e.D, lieu.Points[i].K);
        for (int b = 0; b < lieu.NbBranches; ++b) {
            const TComplexe z = lieu.Points[i].Racines[std::size_t(b)];
            Reel taille = 0;
            for (int k = f.Denominateur.Degre; k >= 0; --k)
                taille = taille * Module(z) + std::fabs(f.Denominateur.Coef[k].Re);
            EXPECT_LE(Module(ValeurEn(f.Denominateur, z)), 1e-12L * taille) << "K = " << double(lieu.Points[i].K);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Systemes, LieuContreReference, ::testing::ValuesIn(SystemesEvans()),
                         [](const ::testing::TestParamInfo<TSystemeEvans>& info) { return "S" + std::to_string(info.index); });

TEntree EntreeDe(TRacinesEssai zeros, TRacinesEssai poles) { return Entree({"", zeros, poles}); }

TEST(LieuEvans, TroisPolesReelsDuCours)
{
    const TEntree e = EntreeDe({}, {1, {0, -1, -2}, {}});
    const TPointsEvans p = PointsEvans(e.N, e.D);
    EXPECT_EQ(p.Asymptotes.Nombre, 3);
    EXPECT_NEAR(double(p.Asymptotes.Centre), -1, 1e-15);
    ASSERT_EQ(p.Asymptotes.AnglesDeg.size(), 3u);
    EXPECT_DOUBLE_EQ(double(p.Asymptotes.AnglesDeg[0]), 60);
    EXPECT_DOUBLE_EQ(double(p.Asymptotes.AnglesDeg[1]), 180);
    EXPECT_DOUBLE_EQ(double(p.Asymptotes.AnglesDeg[2]), 300);
    ASSERT_EQ(p.Separations.size(), 1u);
    EXPECT_NEAR(double(p.Separations[0].P.Re), -1 + 1 / std::sqrt(3.0), 1e-15);
    EXPECT_EQ(p.Separations[0].P.Im, 0);
    EXPECT_NEAR(double(p.Separations[0].K), 2 / (3 * std::sqrt(3.0)), 1e-15);
    ASSERT_EQ(p.Croisements.size(), 1u);
    EXPECT_NEAR(double(p.Croisements[0].Omega), std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(double(p.Croisements[0].K), 6, 1e-14);
    ASSERT_TRUE(p.GainCritique.has_value());
    EXPECT_NEAR(double(*p.GainCritique), 6, 1e-14);
}

TEST(LieuEvans, RetourSurLAxeReelEntreLeZeroEtMoinsLInfini)
{
    const TEntree e = EntreeDe({1, {-2}, {}}, {1, {}, {{-1, 1}}});
    const TPointsEvans p = PointsEvans(e.N, e.D);
    ASSERT_EQ(p.Separations.size(), 1u);
    EXPECT_NEAR(double(p.Separations[0].P.Re), -2 - std::sqrt(2.0), 1e-14);
    EXPECT_EQ(p.Separations[0].P.Im, 0);
    EXPECT_EQ(p.Asymptotes.AnglesDeg, std::vector<Reel>{180});
    EXPECT_FALSE(p.GainCritique.has_value()) << "stable pour tout K";
    const TLieuEvans lieu = BranchesEvans(e.N, e.D, CadreAutoEvans(e.N, e.D, p));
    const TPointLieu& fin = lieu.Points.back();
    const Reel a = std::min(fin.Racines[0].Re, fin.Racines[1].Re);
    const Reel b = std::max(fin.Racines[0].Re, fin.Racines[1].Re);
    EXPECT_LT(a, -10) << "une branche part vers -l'infini";
    EXPECT_NEAR(double(b), -2, 0.02);
    EXPECT_EQ(fin.Racines[0].Im, 0);
}

// Gain critique : aucun quand la boucle n'est pas stable aux petits gains, et un pôle à
// l'origine ne l'empêche que s'il part vers la droite ou qu'il est double.
TEST(LieuEvans, GainCritiqueSelonLaStabiliteAuxPetitsGains)
{
    struct TCas {
        TRacinesEssai Zeros;
        TRacinesEssai Poles;
        bool Critique;
    };
    const TCas cas[] = {
        {{}, {1, {0, -1, -2}, {}}, true},
        {{}, {-1, {0, -1, -2}, {}}, false},       // -1/(p(p+1)(p+2)) : l'origine part vers la droite
        {{1, {-1}, {}}, {1, {0, 0, -10}, {}}, false},  // double intégrateur : marginal
        {{1, {-1}, {}}, {1, {1, -4, -6}, {}}, false},
        {{}, {1, {}, {{0, 1}}}, false},           // 1/(p²+1) : sur l'axe pour tout K
        {{}, {1, {-1, -2}, {}}, false},           // stable pour tout K
        {{-1, {1}, {}}, {1, {-2}, {}}, true},     // (1-p)/(p+2) : la racine passe par l'infini en K = 1
    };
    for (const TCas& c : cas) {
        const TEntree e = EntreeDe(c.Zeros, c.Poles);
        EXPECT_EQ(PointsEvans(e.N, e.D).GainCritique.has_value(), c.Critique) << double(c.Poles.Gain);
    }
    const TEntree e = EntreeDe({-1, {1}, {}}, {1, {-2}, {}});
    EXPECT_NEAR(double(*PointsEvans(e.N, e.D).GainCritique), 1, 1e-15);
}

TEST(LieuEvans, AsymptotesDuLieuComplementaire)
{
    const TEntree e = EntreeDe({-1, {-1}, {}}, {1, {-2, -3, -4}, {}});
    const TAsymptotes a = AsymptotesEvans(e.N, e.D);
    EXPECT_EQ(a.AnglesDeg, (std::vector<Reel>{0, 180}));
    EXPECT_NEAR(double(a.Centre), (-9 + 1) / 2.0, 1e-15);
}

TEST(LieuEvans, RienAuDelaDuDegre10NiPourUneConstante)
{
    const TEntree grand = EntreeDe({}, {1, {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, {}});
    EXPECT_FALSE(LieuCalculable(grand.N, grand.D));
    EXPECT_EQ(BranchesEvans(grand.N, grand.D, {-2, 1, -1, 1}).NbBranches, 0);
    const TEntree constante = EntreeDe({3, {}, {}}, {2, {}, {}});
    EXPECT_FALSE(LieuCalculable(constante.N, constante.D));
    const TEntree e = EntreeDe({}, {1, {-1}, {}});
    EXPECT_EQ(BranchesEvans(e.N, e.D, {1, 1, -1, 1}).NbBranches, 0) << "cadre vide";
}

TEST(BoucleFermee, UnSurPPlusUnFermeParUnGainUn)
{
    const TEntree e = EntreeDe({}, {1, {0, -1}, {}});
    const TBoucleFermee f = FonctionBoucleFermee(e.N, e.D, 1);
    ASSERT_TRUE(f.Existe);
    ASSERT_EQ(f.Denominateur.Degre, 2);
    EXPECT_EQ(f.Denominateur.Coef[0].Re, 1);
    EXPECT_EQ(f.Denominateur.Coef[1].Re, 1);
    EXPECT_EQ(f.Denominateur.Coef[2].Re, 1);
    ASSERT_EQ(f.Numerateur.Degre, 0);
    EXPECT_EQ(f.Numerateur.Coef[0].Re, 1);
    const TBoucleFermee g = FonctionBoucleFermee(e.N, e.D, 2.5L);
    EXPECT_EQ(g.Numerateur.Coef[0].Re, 2.5L);
    EXPECT_EQ(g.Denominateur.Coef[0].Re, 2.5L);
}

TEST(BoucleFermee, DenominateurNulRefuse)
{
    const TEntree e = EntreeDe({-1, {}, {}}, {1, {}, {}});
    EXPECT_FALSE(FonctionBoucleFermee(e.N, e.D, 1).Existe);
    EXPECT_TRUE(FonctionBoucleFermee(e.N, e.D, 2).Existe);
}

}

// Degrés égaux, dominants de signes opposés : la racine de (p + 2) - K(p + 1) part de -2, file
// vers -l'infini, passe par l'infini en K = 1, revient par +l'infini et finit sur le zéro -1.
TEST(LieuEvans, DegresEgauxDominantsOpposes)
{
    const TEntree e = EntreeDe({-1, {-1}, {}}, {1, {-2}, {}});
    const TLieuEvans lieu = BranchesEvans(e.N, e.D, CadreAutoEvans(e.N, e.D, PointsEvans(e.N, e.D)));
    ASSERT_EQ(lieu.NbBranches, 1);
    ASSERT_GE(lieu.Points.size(), 3u);
    Reel gauche = -2;
    Reel droite = -2;
    for (const TPointLieu& point : lieu.Points) {
        const TComplexe z = point.Racines[0];
        const Reel attendue = (point.K - 2) / (1 - point.K);
        if (std::fabs(1 - point.K) > 1e-6L)
            EXPECT_LE(std::fabs(z.Re - attendue), 1e-9L * std::max(Reel(1), std::fabs(attendue))) << double(point.K);
        EXPECT_EQ(z.Im, 0) << double(point.K);
        gauche = std::min(gauche, z.Re);
        droite = std::max(droite, z.Re);
    }
    EXPECT_NEAR(double(lieu.Points.front().Racines[0].Re), -2, 1e-15);
    EXPECT_NEAR(double(lieu.Points.back().Racines[0].Re), -1, 0.02);
    EXPECT_LT(gauche, -5) << "la branche file vers -l'infini";
    EXPECT_GT(droite, 5) << "et revient par +l'infini";
}
