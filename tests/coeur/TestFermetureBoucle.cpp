// Boucle fermée à retour unitaire comme nouvelle étude : la fonction, son étude, ses refus.
#include "coeur/FermetureBoucle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "PolynomesSaisis.h"
#include "SeparateurImpose.h"
#include "coeur/Analyse.h"
#include "numerique/Reponses.h"

namespace {

TDocument Saisie(std::initializer_list<Reel> n, std::initializer_list<Reel> d, Reel retard = 0)
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeDeCoefs(n);
    doc.Systeme.Denominateur = PolynomeDeCoefs(d);
    doc.Systeme.TempsMort = retard;
    AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    return doc;
}

Reel Depassement(const TDocument& doc)
{
    Reel maximum = 0;
    for (int i = 1; i <= 4000; ++i)
        maximum = std::max(maximum, ReponseEchelon(doc.Systeme, Reel(i) / 200, 0, 0, 1, 0));
    const Reel final = ReponseEchelon(doc.Systeme, 200, 0, 0, 1, 0);
    return (maximum - final) / final;
}

TEST(FermetureBoucle, UnSurPPPlusUnAvecKUnDepasseDe16Virgule3PourCent)
{
    TDocument doc = Saisie({1}, {0, 1, 1});
    ASSERT_TRUE(FermeLaBoucle(doc, 1).isEmpty());
    ASSERT_EQ(AnalyseApresSaisieCoeur(doc, [](const std::string&) {}), DecompositionFaite);
    ASSERT_EQ(doc.Systeme.Denominateur.Degre, 2);
    for (int k = 0; k <= 2; ++k)
        EXPECT_EQ(doc.Systeme.Denominateur.Coef[k].Re, 1);
    EXPECT_EQ(doc.Systeme.Numerateur.Degre, 0);
    EXPECT_EQ(doc.Systeme.Numerateur.Coef[0].Re, 1);
    EXPECT_TRUE(doc.Systeme.SystemeStable);
    EXPECT_NEAR(double(Depassement(doc)), 0.163, 0.0005);
    EXPECT_NEAR(double(doc.Systeme.Denominateur.Racines[1].Re), -0.5, 1e-15);
}

// Fermée avec K = 3, la boucle de 1/(p(p+1)(p+2)) est stable ; avec K = 7, au-delà du gain
// critique 6, elle ne l'est plus.
TEST(FermetureBoucle, StabiliteDeLaBoucleFermeeSelonLeGainCritique)
{
    for (const auto& [k, stable] : {std::pair{Reel(3), true}, std::pair{Reel(7), false}}) {
        TDocument doc = Saisie({1}, {0, 2, 3, 1});
        ASSERT_TRUE(FermeLaBoucle(doc, k).isEmpty());
        AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
        EXPECT_EQ(doc.Systeme.SystemeStable, stable) << double(k);
    }
}

TEST(FermetureBoucle, RefusSansToucherAuDocument)
{
    struct TCas {
        TDocument Doc;
        Reel K;
        QString Message;
    };
    TCas cas[] = {
        {Saisie({1}, {1, 1}, 0.5L), 1, QStringLiteral("La boucle fermée d'un système à retard n'est pas une fraction rationnelle")},
        {Saisie({1}, {1, 1}), 0, QStringLiteral("K doit être un nombre fini strictement positif")},
        {Saisie({1}, {1, 1}), -2, QStringLiteral("K doit être un nombre fini strictement positif")},
        {Saisie({1}, {1, 1}), std::numeric_limits<Reel>::infinity(), QStringLiteral("K doit être un nombre fini strictement positif")},
        {Saisie({1}, {1, 1}), std::numeric_limits<Reel>::quiet_NaN(), QStringLiteral("K doit être un nombre fini strictement positif")},
        {Saisie({-1}, {1}), 1, QStringLiteral("Avec ce K, D(p) + K.N(p) est nul : la boucle fermée n'existe pas")},
    };
    for (TCas& c : cas) {
        const TPolynome avant = c.Doc.Systeme.Denominateur;
        EXPECT_EQ(FermeLaBoucle(c.Doc, c.K), c.Message);
        EXPECT_EQ(c.Doc.Systeme.Denominateur.Degre, avant.Degre);
        EXPECT_EQ(c.Doc.Systeme.Denominateur.Coef[0].Re, avant.Coef[0].Re);
        EXPECT_TRUE(TexteBoucleFermee(c.Doc).isEmpty());
    }
}

// L'étude nomme la boucle fermée et ses gains successifs ; une nouvelle saisie l'oublie.
TEST(FermetureBoucle, EtudeNommeeParSesGainsJusquALaSaisieSuivante)
{
    const SeparateurImpose virgule(',');
    TDocument doc = Saisie({1}, {0, 2, 3, 1});
    EXPECT_TRUE(TexteBoucleFermee(doc).isEmpty());
    ASSERT_TRUE(FermeLaBoucle(doc, 3).isEmpty());
    EXPECT_EQ(TexteBoucleFermee(doc), QStringLiteral("Boucle fermée à retour unitaire de la fonction saisie, K = +3"));
    ASSERT_TRUE(FermeLaBoucle(doc, 0.5L).isEmpty());
    EXPECT_EQ(TexteBoucleFermee(doc),
              QStringLiteral("Boucle fermée à retour unitaire de la fonction saisie, K = +3 puis K = +0,5"));
    // F2 = 0,5.F1/(1 + 0,5.F1) : numérateur 1,5, dénominateur p³ + 3p² + 2p + 4,5.
    EXPECT_EQ(doc.Systeme.Numerateur.Coef[0].Re, 1.5L);
    EXPECT_EQ(doc.Systeme.Denominateur.Coef[0].Re, 4.5L);
    doc.Systeme.Denominateur = PolynomeDeCoefs({0, 2, 3, 1});
    doc.Systeme.Numerateur = PolynomeDeCoefs({1});
    EXPECT_TRUE(TexteBoucleFermee(doc).isEmpty());
    ASSERT_TRUE(FermeLaBoucle(doc, 2).isEmpty());
    EXPECT_EQ(TexteBoucleFermee(doc), QStringLiteral("Boucle fermée à retour unitaire de la fonction saisie, K = +2"));
}

}
