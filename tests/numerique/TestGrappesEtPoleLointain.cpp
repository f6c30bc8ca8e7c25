// Grappes de pôles proches à côté d'un pôle mille fois plus lent ou plus rapide : réponses à
// l'échelon et à la rampe, et plages temporelles automatiques, contre la somme des résidus en
// précision quadruple sur les racines du même polynôme.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "OutilsAnalyse.h"
#include "ReferenceResidus.h"
#include "numerique/Reponses.h"

namespace {

constexpr Reel Exigence = 1e-9L;

struct TEtude {
    TSysteme S;
    TSysteme AvecRampe;
    TEchellesAuto Echelles;
    TReferenceResidus Reference;
};

PQ EnQuad(const TPolynome& p)
{
    PQ q;
    for (int k = 0; k <= p.Degre; ++k)
        q.push_back(Quad(p.Coef[k].Re));
    return q;
}

// Saisie par coefficients, et la même fonction pour la référence.
TEtude Etudie(const std::vector<Reel>& n, const std::vector<Reel>& d)
{
    std::vector<TComplexe> cn;
    std::vector<TComplexe> cd;
    for (const Reel x : n)
        cn.push_back(R(x));
    for (const Reel x : d)
        cd.push_back(R(x));
    TSysteme s = Systeme(ParCoefficients(cn), ParCoefficients(cd));
    TEchellesAuto e;
    EXPECT_EQ(Analyse(s, e), DecompositionFaite);
    return {s, SystemeAvecRampe(s), e, TReferenceResidus(EnQuad(ParCoefficients(cn)), EnQuad(ParCoefficients(cd)))};
}

std::vector<Reel> Coefficients(const std::string& texte)
{
    std::istringstream flot(texte);
    std::vector<Reel> c;
    std::string mot;
    while (flot >> mot)
        c.push_back(std::strtold(mot.c_str(), nullptr));
    return c;
}

// Écart à la référence rapporté à la plus grande valeur de la réponse sur les instants.
struct TEcarts {
    Reel Indicielle = 0;
    Reel Rampe = 0;
};

TEcarts EcartsRelatifs(const TEtude& e, const std::vector<Reel>& instants)
{
    Reel ei = 0;
    Reel er = 0;
    Reel ti = 0;
    Reel tr = 0;
    for (const Reel t : instants) {
        const TReponsesQuad ref = e.Reference.En(Quad(t));
        const Reel yi = ReponseEchelon(e.S, t, 0, 0, 1, 0);
        const Reel yr = ReponseRampe(e.AvecRampe, t, 0, 1, 0);
        ei = std::max(ei, std::fabs(yi - Reel(ref.Indicielle)));
        er = std::max(er, std::fabs(yr - Reel(ref.Rampe)));
        ti = std::max(ti, std::fabs(Reel(ref.Indicielle)));
        tr = std::max(tr, std::fabs(Reel(ref.Rampe)));
    }
    return {ei / ti, er / tr};
}

// Les plages automatiques sur les 1000 instants de 0 à TMaxAuto, comme l'étude les parcourt.
void ExpectPlagesExactes(const TEtude& e)
{
    Reel yMin = 0;
    Reel yMax = 1;
    Reel rMin = 0;
    Reel rMax = 0;
    for (int k = 0; k < 1000; ++k) {
        const TReponsesQuad ref = e.Reference.En(Quad(Reel(k) / 999 * e.Echelles.TMaxAuto));
        yMin = std::min(yMin, Reel(ref.Indicielle));
        yMax = std::max(yMax, Reel(ref.Indicielle));
        rMin = std::min(rMin, Reel(ref.Rampe));
        rMax = std::max(rMax, Reel(ref.Rampe));
    }
    const Reel taille = std::max(yMax, -yMin);
    const Reel tailleRampe = std::max(rMax, -rMin);
    EXPECT_LE(std::fabs(e.Echelles.YMaxIndicielle - yMax), Exigence * taille);
    EXPECT_LE(std::fabs(e.Echelles.YMinIndicielle - yMin), Exigence * taille);
    EXPECT_LE(std::fabs(e.Echelles.RampeMax - rMax), Exigence * tailleRampe);
    EXPECT_LE(std::fabs(e.Echelles.RampeMin - rMin), Exigence * tailleRampe);
}

// Instants de 1e-3 fois la plus courte à 10 fois la plus longue des constantes de temps.
std::vector<Reel> Instants(const TEtude& e)
{
    Reel lent = INFINITY;
    Reel rapide = 0;
    for (const QC& p : e.Reference.Poles()) {
        lent = std::min(lent, Reel(fabsq(p.Re)));
        rapide = std::max(rapide, Reel(Abs(p)));
    }
    std::vector<Reel> t;
    for (Reel x = 1e-3L / rapide; x <= 10 / lent; x *= 1.25L)
        t.push_back(x);
    return t;
}

// Les commandes où la réponse partait à des milliards : échelon, rampe et plages.
TEST(GrappeEtPoleLointain, CommandesMesurees)
{
    struct TCas {
        const char* N;
        const char* D;
        Reel T;
    };
    const TCas cas[] = {
        // Six pôles entre -1 et -1,005 et un pôle en -0,001 : l'échelon valait -5,46e11 en 3000 s.
        {"1",
         "1.0150852252741200e-3 1.0211605659496681 6.0904911862233940 1.5170661015499000e1 2.0165415310000000e1 "
         "1.5081100000000000e1 6.0160000000000000 1",
         3000},
        {"5.6800985622257382e1 6.6793207899296570",
         "3.9480633196621535e-10 2.8793845942490956e-8 9.9101875914915543e-7 2.1072641921273948e-5 "
         "3.0556511651272913e-4 3.1511040437507588e-3 2.3379655539284227e-2 1.2319603872202110e-1 "
         "4.4137131764581730e-1 9.7179863658999872e-1 1",
         67.53L},
        {"-1.1966845102696847e2 -1.3653679536986600e2 9.7449078301671396",
         "3.5957428428587675e-1 2.9519526871276033 9.1990374521591544 1.4481674094619303e1 1.2376164301664628e1 "
         "5.5011493440082200 1",
         6.818L},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.D);
        const TEtude e = Etudie(Coefficients(c.N), Coefficients(c.D));
        ASSERT_TRUE(e.S.SystemeStable);
        const TReponsesQuad ref = e.Reference.En(Quad(c.T));
        EXPECT_LE(std::fabs(ReponseEchelon(e.S, c.T, 0, 0, 1, 0) - Reel(ref.Indicielle)),
                  Exigence * fabsq(ref.Indicielle));
        EXPECT_LE(std::fabs(ReponseRampe(e.AvecRampe, c.T, 0, 1, 0) - Reel(ref.Rampe)), Exigence * fabsq(ref.Rampe));
        const TEcarts ecarts = EcartsRelatifs(e, Instants(e));
        EXPECT_LT(ecarts.Indicielle, Exigence);
        EXPECT_LT(ecarts.Rampe, Exigence);
        ExpectPlagesExactes(e);
    }
}

struct TCasGrappe {
    int Taille;
    Reel Ecart;
    bool Paires;     // la grappe en paires conjuguées autour de -1 ± 0,6j
    Reel Lointain;   // pôle mille fois plus lent (-1e-3) ou plus rapide (-1e3)
};

std::string NomDuCas(const TCasGrappe& c)
{
    std::ostringstream nom;
    nom << c.Taille << (c.Paires ? "paires" : "reels") << "_ecart" << -int(std::lround(std::log10(double(c.Ecart))))
        << (c.Lointain > -1 ? "_lent" : "_rapide");
    return nom.str();
}

// Grappe centrée en -1 (ou -1 ± 0,6j), pôles également espacés le long de l'axe réel, le pôle
// lointain, et un zéro ; coefficients arrondis en précision étendue comme une saisie les donne.
TEtude EtudeDuCas(const TCasGrappe& c)
{
    std::vector<TComplexe> poles = {R(c.Lointain)};
    for (int k = 0; k < c.Taille; ++k) {
        const Reel re = -1 + (k - (c.Taille - 1) / 2.0L) * c.Ecart;
        poles.push_back({re, c.Paires ? 0.6L : 0});
        if (c.Paires)
            poles.push_back({re, -0.6L});
    }
    const TPolynome d = PolynomeDeRacines(1, poles);
    std::vector<Reel> coefs;
    for (int k = 0; k <= d.Degre; ++k)
        coefs.push_back(d.Coef[k].Re);
    return Etudie({coefs[0], 0.5L * coefs[0]}, coefs);
}

std::vector<TCasGrappe> Batterie()
{
    std::vector<TCasGrappe> cas;
    for (const Reel lointain : {-1e-3L, -1e3L})
        for (const Reel ecart : {1e-2L, 1e-3L, 1e-4L}) {
            for (const int taille : {2, 3, 4, 6})
                cas.push_back({taille, ecart, false, lointain});
            for (const int taille : {2, 3})
                cas.push_back({taille, ecart, true, lointain});
        }
    return cas;
}

class GrappeEtPoleLointain : public ::testing::TestWithParam<TCasGrappe> {};

TEST_P(GrappeEtPoleLointain, ReponsesEtPlagesAuMilliardieme)
{
    const TEtude e = EtudeDuCas(GetParam());
    ASSERT_TRUE(e.S.SystemeStable);
    const TEcarts ecarts = EcartsRelatifs(e, Instants(e));
    EXPECT_LT(ecarts.Indicielle, Exigence);
    EXPECT_LT(ecarts.Rampe, Exigence);
    ExpectPlagesExactes(e);
}

INSTANTIATE_TEST_SUITE_P(Batterie, GrappeEtPoleLointain, ::testing::ValuesIn(Batterie()),
                         [](const ::testing::TestParamInfo<TCasGrappe>& info) { return NomDuCas(info.param); });

}  // namespace
