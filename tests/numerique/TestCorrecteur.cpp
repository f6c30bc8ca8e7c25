// Le correcteur série : ses polynômes valent la formule de cours, ses paramètres invalides sont
// refusés, et la boucle ouverte corrigée est le produit écrit à la main.
#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <vector>

#include "PolynomesSaisis.h"
#include "ReferenceQuadruple.h"
#include "numerique/Correcteur.h"
#include "numerique/ElementsSimples.h"
#include "numerique/Marges.h"
#include "numerique/Reponses.h"

namespace {

using Cx = std::complex<long double>;

TCorrecteur Correcteur(TTypeCorrecteur type, Reel k, Reel ti, Reel td, Reel n, Reel a, Reel b, Reel tau)
{
    return {type, k, ti, td, n, a, b, tau};
}

// C(p) tel que le cours l'écrit, sans passer par des polynômes.
Cx FormuleDeCours(const TCorrecteur& c, Cx p)
{
    const Cx un = 1;
    const Cx derivee = c.Td * p / (un + c.Td * p / c.N);
    switch (c.Type) {
    case TTypeCorrecteur::P: return c.K;
    case TTypeCorrecteur::PI: return c.K * (un + un / (c.Ti * p));
    case TTypeCorrecteur::PD: return c.K * (un + derivee);
    case TTypeCorrecteur::PID: return c.K * (un + un / (c.Ti * p) + derivee);
    case TTypeCorrecteur::Avance: return c.K * (un + c.A * c.Tau * p) / (un + c.Tau * p);
    case TTypeCorrecteur::Retard: return c.K * (un + c.Tau * p) / (un + c.B * c.Tau * p);
    }
    return 0;
}

Cx Valeur(const TPolynome& p, Cx z)
{
    const TComplexe v = ValeurEn(p, {z.real(), z.imag()});
    return {v.Re, v.Im};
}

const std::vector<TCorrecteur> Exemples = {
    Correcteur(TTypeCorrecteur::P, 3, 0, 0, 0, 0, 0, 0),
    Correcteur(TTypeCorrecteur::PI, 2, 0.5L, 0, 0, 0, 0, 0),
    Correcteur(TTypeCorrecteur::PD, 2, 0, 0.5L, 10, 0, 0, 0),
    Correcteur(TTypeCorrecteur::PID, 1, 2, 0.5L, 5, 0, 0, 0),
    Correcteur(TTypeCorrecteur::Avance, 1.5L, 0, 0, 0, 4, 0, 0.25L),
    Correcteur(TTypeCorrecteur::Retard, 10, 0, 0, 0, 0, 10, 5),
};

TEST(Correcteur, SesPolynomesValentLaFormuleDeCours)
{
    for (const TCorrecteur& c : Exemples)
        for (const Cx p : {Cx(0, 0.01L), Cx(0, 1), Cx(-0.3L, 2), Cx(0, 70), Cx(1.5L, -0.2L)}) {
            const Cx attendu = FormuleDeCours(c, p);
            const Cx obtenu = Valeur(NumerateurCorrecteur(c), p) / Valeur(DenominateurCorrecteur(c), p);
            EXPECT_LE(std::abs(obtenu - attendu), 1e-15L * std::abs(attendu))
                << "type " << int(c.Type) << " en p = " << double(p.real()) << " + j" << double(p.imag());
        }
}

TEST(Correcteur, UnPIDSansDeriveeEstUnPI)
{
    const TCorrecteur pid = Correcteur(TTypeCorrecteur::PID, 2, 0.5L, 0, 10, 0, 0, 0);
    EXPECT_EQ(RefusCorrecteur(pid), "");
    EXPECT_EQ(NumerateurCorrecteur(pid).Degre, 1);
    EXPECT_EQ(DenominateurCorrecteur(pid).Degre, 1);
}

TEST(Correcteur, ParametresInvalidesRefusesEnFrancais)
{
    const Reel nan = std::numeric_limits<Reel>::quiet_NaN();
    const Reel inf = std::numeric_limits<Reel>::infinity();
    struct TCas {
        TCorrecteur C;
        const char* Mot;
    };
    const std::vector<TCas> cas = {
        {Correcteur(TTypeCorrecteur::P, 0, 1, 1, 10, 2, 2, 1), "K"},
        {Correcteur(TTypeCorrecteur::P, nan, 1, 1, 10, 2, 2, 1), "K"},
        {Correcteur(TTypeCorrecteur::Avance, inf, 1, 1, 10, 2, 2, 1), "K"},
        {Correcteur(TTypeCorrecteur::PI, 1, 0, 1, 10, 2, 2, 1), "Ti"},
        {Correcteur(TTypeCorrecteur::PID, 1, -1, 1, 10, 2, 2, 1), "Ti"},
        {Correcteur(TTypeCorrecteur::PD, 1, 1, 0, 10, 2, 2, 1), "Td"},
        {Correcteur(TTypeCorrecteur::PID, 1, 1, -0.1L, 10, 2, 2, 1), "Td"},
        {Correcteur(TTypeCorrecteur::PD, 1, 1, 1, 0, 2, 2, 1), "N"},
        {Correcteur(TTypeCorrecteur::PID, 1, 1, 1, -3, 2, 2, 1), "N"},
        {Correcteur(TTypeCorrecteur::Avance, 1, 1, 1, 10, 1, 2, 1), "a"},
        {Correcteur(TTypeCorrecteur::Avance, 1, 1, 1, 10, 0.5L, 2, 1), "a"},
        {Correcteur(TTypeCorrecteur::Retard, 1, 1, 1, 10, 2, 1, 1), "b"},
        {Correcteur(TTypeCorrecteur::Avance, 1, 1, 1, 10, 2, 2, 0), "τ"},
        {Correcteur(TTypeCorrecteur::Retard, 1, 1, 1, 10, 2, 2, -1), "τ"},
    };
    for (const TCas& c : cas) {
        const std::string refus = RefusCorrecteur(c.C);
        EXPECT_EQ(refus.rfind(c.Mot, 0), 0u) << "attendu un refus sur " << c.Mot << ", reçu « " << refus << " »";
        EXPECT_NE(BoucleOuverteCorrigee(c.C, PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1}), 0).Refus, "");
    }
    // Ce que le type n'emploie pas n'est pas contrôlé : un P n'a ni Ti ni a.
    EXPECT_EQ(RefusCorrecteur(Correcteur(TTypeCorrecteur::P, -2, 0, 0, 0, 0, 0, 0)), "");
    EXPECT_EQ(RefusCorrecteur(Correcteur(TTypeCorrecteur::Avance, 1, -1, -1, -1, 1.0001L, 0, 1e-6L)), "");
}

TEST(Correcteur, ProduitAuDelaDuDegreMaximalRefuse)
{
    std::vector<Reel> coefs(DegreMax + 1 - 1, 1);  // degré DegreMax - 1
    const TPolynome d = PolynomeReel(coefs);
    const TBoucleCorrigee pid = BoucleOuverteCorrigee(Exemples[3], PolynomeDeCoefs({1}), d, 0);
    EXPECT_NE(pid.Refus.find("degré " + std::to_string(DegreMax)), std::string::npos) << pid.Refus;
    const TBoucleCorrigee pi = BoucleOuverteCorrigee(Exemples[1], PolynomeDeCoefs({1}), d, 0);
    EXPECT_EQ(pi.Refus, "");
    EXPECT_EQ(pi.Denominateur.Degre, DegreMax);
    // Le degré maximal tout juste atteint au numérateur est admis.
    const TBoucleCorrigee pd = BoucleOuverteCorrigee(Exemples[2], d, d, 0);
    EXPECT_EQ(pd.Refus, "");
    EXPECT_EQ(pd.Numerateur.Degre, DegreMax);
}

TEST(Correcteur, ChaqueNomRedonneSonType)
{
    int types = 0;
    for (const char* nom : {"p", "pi", "pd", "pid", "avance", "retard"}) {
        const std::optional<TTypeCorrecteur> t = TypeCorrecteurDuNom(nom);
        ASSERT_TRUE(t.has_value()) << nom;
        EXPECT_STREQ(NomTypeCorrecteur(*t), nom);
        EXPECT_EQ(int(*t), types++);
    }
    EXPECT_FALSE(TypeCorrecteurDuNom("PI").has_value());
    EXPECT_FALSE(TypeCorrecteurDuNom("").has_value());
}

struct TProduitMain {
    std::vector<Reel> N;
    std::vector<Reel> D;
};

// C.G pour G = 1/(p(p+1)(p+2)), développé à la main pour chaque exemple.
const std::vector<TProduitMain> ProduitsMain = {
    {{3}, {0, 2, 3, 1}},
    {{2, 1}, {0, 0, 1, 1.5L, 0.5L}},
    {{2, 1.1L}, {0, 2, 3.1L, 1.15L, 0.05L}},
    {{1, 2.1L, 1.2L}, {0, 0, 4, 6.4L, 2.6L, 0.2L}},
    {{1.5L, 1.5L}, {0, 2, 3.5L, 1.75L, 0.25L}},
    {{10, 50}, {0, 2, 103, 151, 50}},
};

std::vector<TComplexe> RacinesTriees(const TPolynome& p)
{
    std::vector<TComplexe> r(p.Racines.begin() + 1, p.Racines.begin() + 1 + p.Degre);
    std::sort(r.begin(), r.end(), [](TComplexe a, TComplexe b) { return a.Re != b.Re ? a.Re < b.Re : a.Im < b.Im; });
    return r;
}

void ExpectMemesRacines(const TPolynome& obtenu, const TPolynome& attendu)
{
    ASSERT_EQ(obtenu.Degre, attendu.Degre);
    const std::vector<TComplexe> a = RacinesTriees(obtenu);
    const std::vector<TComplexe> b = RacinesTriees(attendu);
    for (std::size_t k = 0; k < a.size(); ++k)
        EXPECT_LE(Distance(a[k], b[k]), 1e-12L * std::max(Reel(1), Module(b[k])));
}

std::vector<Quad> EnQuad(const std::vector<Reel>& c) { return {c.begin(), c.end()}; }

TEST(Correcteur, BoucleOuverteCorrigeeEgaleLeProduitEcritALaMain)
{
    const TPolynome n = PolynomeDeCoefs({1});
    const TPolynome d = PolynomeDeCoefs({0, 2, 3, 1});
    for (std::size_t i = 0; i < Exemples.size(); ++i) {
        SCOPED_TRACE("type " + std::to_string(int(Exemples[i].Type)));
        const TBoucleCorrigee l = BoucleOuverteCorrigee(Exemples[i], n, d, 0.3L);
        ASSERT_EQ(l.Refus, "");
        EXPECT_EQ(l.TempsMort, 0.3L);
        const TPolynome nm = PolynomeReel(ProduitsMain[i].N);
        const TPolynome dm = PolynomeReel(ProduitsMain[i].D);
        for (int k = 0; k <= dm.Degre; ++k)
            EXPECT_NEAR(double(CoefOuZero(l.Denominateur, k).Re), double(dm.Coef[k].Re), 1e-15);
        TPolynome nr = nm;
        TPolynome dr = dm;
        CalculeRacines(nr);
        CalculeRacines(dr);
        ExpectMemesRacines(l.Numerateur, nr);
        ExpectMemesRacines(l.Denominateur, dr);
        const TMarges ml = CalculeMarges(l.Numerateur, l.Denominateur, 0);
        const TMarges mm = CalculeMarges(nr, dr, 0);
        ASSERT_EQ(ml.MargePhase.has_value(), mm.MargePhase.has_value());
        if (ml.MargePhase) {
            EXPECT_NEAR(double(*ml.MargePhase), double(*mm.MargePhase), 1e-9);
        }
        ASSERT_EQ(ml.MargeGain.has_value(), mm.MargeGain.has_value());
        if (ml.MargeGain) {
            EXPECT_NEAR(double(*ml.MargeGain), double(*mm.MargeGain), 1e-9);
        }
        // Réponse indicielle de L, en forme close, contre la série en quadruple du produit écrit.
        TSysteme s;
        s.Numerateur = l.Numerateur;
        s.Denominateur = l.Denominateur;
        ASSERT_EQ(DecomposeEnElementsSimples(s.Numerateur, s.Denominateur, s.PartieEntiere, s.Decomposition),
                  DecompositionFaite);
        for (const Reel t : {0.2L, 0.6L, 1.2L}) {
            const Reel attendu = ReponseQuad(EnQuad(ProduitsMain[i].N), EnQuad(ProduitsMain[i].D), 1, t);
            EXPECT_NEAR(double(ReponseEchelon(s, t, 0, 0, 1, 0)), double(attendu), 1e-9 * std::max(1.0, double(std::fabs(attendu))))
                << "t = " << double(t);
        }
    }
}

}  // namespace
