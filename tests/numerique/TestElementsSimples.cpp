#include <gtest/gtest.h>

#include "OutilsAnalyse.h"

namespace {

const TComplexe Marque{7, -7};

struct TResultat {
    int Statut = -1;
    TPolynome Entiere;
    TDecomposition A;
};

// Sorties marquées d'avance : on voit ce que la décomposition a écrit ou non.
TResultat Decompose(const TPolynome& n, const TPolynome& d)
{
    TResultat r;
    r.Entiere = ParCoefficients({Marque, Marque});
    r.A(1, 1) = Marque;
    r.A(DegreMax, DegreMax) = Marque;
    r.Statut = DecomposeEnElementsSimples(n, d, r.Entiere, r.A);
    return r;
}

void VerifieIntacts(const TResultat& r)
{
    EXPECT_EQ(r.Entiere.Degre, 1);
    EXPECT_TRUE(Egaux(r.Entiere.Coef[0], Marque));
    EXPECT_TRUE(Egaux(r.A(1, 1), Marque));
    EXPECT_TRUE(Egaux(r.A(DegreMax, DegreMax), Marque));
}

void VerifieRecomposition(const TPolynome& n, const TPolynome& d, const TResultat& r)
{
    for (const TComplexe z : {TComplexe{0.4L, 1.3L}, TComplexe{-2.6L, -0.9L}}) {
        const TComplexe attendu = Quotient(ValeurEn(n, z), ValeurEn(d, z));
        const TRecomposition s = Recompose(d, r.Entiere, r.A, z);
        EXPECT_LE(Distance(s.Valeur, attendu), 1e-12L * (s.OrdreDeGrandeur + Module(attendu)));
    }
}

TEST(TDecomposition, CopieProfondeEtEffacement)
{
    TDecomposition a;
    EXPECT_TRUE(Egaux(a(DegreMax, DegreMax), {0, 0}));
    a(3, 2) = {1, 2};
    TDecomposition copie(a);
    TDecomposition affectee;
    affectee = a;
    a(3, 2) = {5, 5};
    EXPECT_TRUE(Egaux(copie(3, 2), {1, 2}));
    EXPECT_TRUE(Egaux(affectee(3, 2), {1, 2}));
    affectee = affectee;
    EXPECT_TRUE(Egaux(affectee(3, 2), {1, 2}));
    a.Efface();
    EXPECT_TRUE(Egaux(a(3, 2), {0, 0}));
}

TEST(DecomposeEnElementsSimples, DenominateurConstantDonneLaPartieEntiereSeule)
{
    const TResultat r = Decompose(ParCoefficients({R(5), R(1)}), ParCoefficients({R(2)}));
    ASSERT_EQ(r.Statut, DecompositionFaite);
    ASSERT_EQ(r.Entiere.Degre, 1);
    EXPECT_TRUE(Proche(r.Entiere.Coef[0], R(2.5L), Serre));
    EXPECT_TRUE(Proche(r.Entiere.Coef[1], R(0.5L), Serre));
    EXPECT_TRUE(Proche(r.Entiere.Racines[0], R(0.5L), Serre));
    EXPECT_TRUE(Egaux(r.A(1, 1), {0, 0}));
    EXPECT_TRUE(Egaux(r.A(DegreMax, DegreMax), {0, 0}));
}

TEST(DecomposeEnElementsSimples, PoleUniqueDOrdreDix)
{
    const std::vector<TComplexe> racines(10, R(-1));
    const TPolynome d = PolynomeDeRacines(R(1), racines);
    const TResultat r = Decompose(ParCoefficients({R(1)}), d);
    ASSERT_EQ(r.Statut, DecompositionFaite);
    for (int l = 1; l <= 9; ++l)
        EXPECT_TRUE(Proche(r.A(1, l), R(0), Serre)) << l;
    EXPECT_TRUE(Proche(r.A(1, 10), R(1), Serre));
}

TEST(DecomposeEnElementsSimples, DrapeauFauxOuDenominateurNulNeTouchentARien)
{
    const TPolynome n = ParCoefficients({R(1)});
    TPolynome d = ParCoefficients({R(1), R(1)});
    d.RacinesValides = false;
    TResultat r = Decompose(n, d);
    EXPECT_EQ(r.Statut, DrapeauxInvalides);
    VerifieIntacts(r);

    TPolynome nInvalide = n;
    nInvalide.CoefsValides = false;
    EXPECT_EQ(Decompose(nInvalide, ParCoefficients({R(1), R(1)})).Statut, DrapeauxInvalides);

    r = Decompose(n, InitPolynomeValide());
    EXPECT_EQ(r.Statut, DenominateurNul);
    VerifieIntacts(r);
}

// Pôles très multiples : développer Q^(2^k) ferait perdre toute précision, ou dépasser DegreMax.
// Ce que l'étendue ne contient pas est refusé, sans rien d'infini ni d'indéfini laissé derrière.
TEST(DecomposeEnElementsSimples, CoefficientHorsEtendueRefuse)
{
    // Cofacteur du pôle -2 - 1E4000 j : (1 + 1E4000 j)³.
    const TResultat r = Decompose(ParCoefficients({R(1)}), PolynomeDeRacines(R(1), {{-2, -1e4000L}, R(-1), R(-1), R(-1)}));
    EXPECT_EQ(r.Statut, DecompositionHorsEtendue);
    EXPECT_EQ(r.Entiere.Degre, 0);
    EXPECT_TRUE(Egaux(r.Entiere.Coef[0], {0, 0}));
    EXPECT_TRUE(Egaux(r.A(1, 1), {0, 0}));
    EXPECT_TRUE(Egaux(r.A(DegreMax, DegreMax), {0, 0}));

    EXPECT_EQ(Decompose(ParCoefficients({R(1e4000L)}), ParCoefficients({R(1e-1000L)})).Statut, DecompositionHorsEtendue);
}

TEST(DecomposeEnElementsSimples, PolesTresMultiplesRestentExacts)
{
    const TPolynome n = ParCoefficients({R(1), R(2)});
    const std::vector<std::vector<TComplexe>> denominateurs = {
        {R(-1), R(-1), R(-1), R(-1), R(-1), R(-1), R(-3), R(-3), R(-3), R(-3)},
        {R(-1), R(-1), R(-1), R(-1), R(-1), R(-2), R(-2), R(-2), R(-2), R(-2)},
        {R(-1), R(-1), R(-1), R(-1), R(-1), R(-1), R(-1), R(-2), R(-2.5L), R(-3)},
        {{-1, 1}, {-1, -1}, {-1, 1}, {-1, -1}, {-1, 1}, {-1, -1}, {-1, 1}, {-1, -1}, {-1, 1}, {-1, -1}},
    };
    for (const std::vector<TComplexe>& racines : denominateurs) {
        const TPolynome d = PolynomeDeRacines(R(2), racines);
        const TResultat r = Decompose(n, d);
        ASSERT_EQ(r.Statut, DecompositionFaite);
        VerifieRecomposition(n, d, r);
    }
}

// 1/((p + 1)^6 (p + 3)^4) : le coefficient de plus haute puissance de chaque pôle se lit directement.
TEST(DecomposeEnElementsSimples, PlusHautePuissanceDUnPoleMultiple)
{
    const TPolynome d = PolynomeDeRacines(R(1), {R(-1), R(-1), R(-1), R(-1), R(-1), R(-1), R(-3), R(-3), R(-3), R(-3)});
    const TResultat r = Decompose(ParCoefficients({R(1)}), d);
    ASSERT_EQ(r.Statut, DecompositionFaite);
    EXPECT_TRUE(Proche(r.A(1, 4), R(1 / 64.0L), Serre));  // pôle -3 : 1/(-3 + 1)^6
    EXPECT_TRUE(Proche(r.A(2, 6), R(1 / 16.0L), Serre));   // pôle -1 : 1/(-1 + 3)^4
    EXPECT_TRUE(Proche(Somme(r.A(1, 1), r.A(2, 1)), R(0), Serre));  // résidus de somme nulle
}

// N et D réels : le coefficient d'un pôle réel est réel (l'arrondi des pôles complexes voisins laissait
// -1,35E-20 j) ; ceux des pôles complexes gardent leur partie imaginaire, et un N complexe aussi.
TEST(DecomposeEnElementsSimples, PoleReelDeFonctionReelleACoefficientsReels)
{
    // (3p + 1) / ((p + 1)(p² + 2p + 5)), saisi par coefficients
    const TPolynome n = ParCoefficients({R(1), R(3)});
    const TPolynome d = ParCoefficients({R(5), R(7), R(3), R(1)});
    const TResultat r = Decompose(n, d);
    ASSERT_EQ(r.Statut, DecompositionFaite);
    ASSERT_EQ(d.Multiplicites[0], 3);
    EXPECT_EQ(d.Racines[RangRacine(d, 2)].Im, 0);
    EXPECT_EQ(r.A(2, 1).Im, 0);
    EXPECT_NEAR(static_cast<double>(r.A(2, 1).Re), -0.5, 1e-15);
    EXPECT_NEAR(static_cast<double>(r.A(1, 1).Im), 0.75, 1e-15);
    VerifieRecomposition(n, d, r);
    // Pôle réel double à côté de deux pôles complexes : (p + 1)² (p² + p + 1)
    const TPolynome d2 = PolynomeDeRacines(R(1), {R(-1), R(-1), {-0.5L, 0.8660254037844386L}, {-0.5L, -0.8660254037844386L}});
    TPolynome d2reel = d2;
    for (int k = 0; k <= d2reel.Degre; ++k)
        d2reel.Coef[k].Im = 0;
    const TResultat r2 = Decompose(n, d2reel);
    ASSERT_EQ(r2.Statut, DecompositionFaite);
    const int reel = d2reel.Racines[RangRacine(d2reel, 2)].Im == 0 ? 2 : 1;
    EXPECT_EQ(d2reel.Multiplicites[reel], 2);
    EXPECT_EQ(r2.A(reel, 1).Im, 0);
    EXPECT_EQ(r2.A(reel, 2).Im, 0);
    const TPolynome nComplexe = ParCoefficients({{1, 1}, R(3)});
    const TResultat r3 = Decompose(nComplexe, d);
    EXPECT_NE(r3.A(2, 1).Im, 0);
}

}  // namespace
