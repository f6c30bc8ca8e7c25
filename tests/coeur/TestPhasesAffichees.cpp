// Axe des phases continues : un pas rond qui couvre la courbe en peu de graduations.
#include <gtest/gtest.h>

#include "PolynomesSaisis.h"
#include "coeur/Document.h"
#include "coeur/PhasesAffichees.h"

namespace {
TDocument PremierOrdre()
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeDeCoefs({1});
    doc.Systeme.Denominateur = PolynomeDeCoefs({1, 1});
    return doc;
}
}

// Un retard sur six décades fait tourner la phase jusqu'à -184 000° : le pas est un nombre
// rond de tours (1, 2, 5 × 10ⁿ), jamais 23 040°.
TEST(PhasesAffichees, PasRondsQuiCouvrentLaCourbe)
{
    const TDocument doc = PremierOrdre();
    const TPhasesAffichees continue_(doc.Systeme, false, true);
    struct TCas {
        Reel Min;
        int PasMax;
        Reel Pas;
        Reel Bas;
    };
    for (const TCas c : {TCas{-30, 10, 45, -45}, TCas{-900, 10, 90, -900}, TCas{-1700, 10, 180, -1800},
                         TCas{-3000, 10, 360, -3240}, TCas{-7000, 10, 720, -7200}, TCas{-10000, 10, 1800, -10800},
                         TCas{-30000, 10, 3600, -32400}, TCas{-70000, 10, 7200, -72000},
                         TCas{-100000, 10, 18000, -108000}, TCas{-184000, 10, 36000, -216000},
                         TCas{-900, 3, 360, -1080}, TCas{-900, 1, 1800, -1800}}) {
        const TAxePhases axe = AxePhases(continue_, {0, c.Min / 2, c.Min}, c.PasMax);
        EXPECT_EQ(axe.Pas, c.Pas) << double(c.Min) << " en " << c.PasMax;
        EXPECT_EQ(axe.Bornes.Min, c.Bas) << double(c.Min);
        EXPECT_EQ(axe.Bornes.Max, 0) << double(c.Min);
    }
    // Un gain pur : phase nulle partout, un pas de chaque côté.
    const TAxePhases plat = AxePhases(continue_, {0, 0, 0});
    EXPECT_EQ(plat.Bornes.Min, -45);
    EXPECT_EQ(plat.Bornes.Max, 45);
    const TAxePhases fixe = AxePhases(TPhasesAffichees(doc.Systeme, false, false), {0, -184000}, 1);
    EXPECT_EQ(fixe.Pas, 45);
    EXPECT_EQ(fixe.Bornes.Min, -360);
    EXPECT_EQ(fixe.Bornes.Max, 0);
}
