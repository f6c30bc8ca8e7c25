// Fichiers qui donnent les racines : la décomposition suit les racines gardées, pas leurs
// coefficients arrondis à quinze chiffres, et des coefficients absents sont refaits sur elles.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ComparaisonReference.h"
#include "coeur/Analyse.h"
#include "coeur/FichierDonnees.h"
#include "numerique/ReferenceResidus.h"
#include "numerique/Reponses.h"

namespace {

TDocument Lu(const std::string& nom)
{
    TDocument doc = DocumentInitial();
    QString erreur;
    EXPECT_TRUE(LitFichierDonnees(QString::fromStdString(CheminDonnees(nom)), doc, erreur)) << erreur.toStdString();
    EXPECT_EQ(AnalyseApresSaisieCoeur(doc, [](const std::string&) {}), DecompositionFaite);
    return doc;
}

// Huit pôles réels à 0,1 l'un de l'autre : l'échelon se posait à 0,0378 pour un gain statique de
// 0,005055. Référence : les résidus sur les racines écrites dans le fichier, en quadruple.
TEST(RacinesDuFichier, HuitPolesVoisinsSuiventLesRacinesGardees)
{
    const char* racines[] = {"-2.71605545566082", "-2.61510732885319", "-2.51261030646031", "-2.40577354244006",
                             "-2.29861682590436", "-2.20183795170435", "-2.08186067436402", "-0.258056803001027"};
    PQ d = {1};
    for (const char* r : racines)
        d = Mul(d, {-Quad(std::strtold(r, nullptr)), 1});
    const TReferenceResidus reference({Quad(std::strtold("0.590128108590236", nullptr))}, d);
    const TDocument doc = Lu("racines_huit_poles_voisins.kvf");
    ASSERT_TRUE(doc.Systeme.SystemeStable);
    // D(0) refait sur les racines, et non l'arrondi à quinze chiffres écrit (116,741949344393).
    EXPECT_NEAR(double(doc.Systeme.Denominateur.Coef[0].Re), double(d[0]), 1e-17 * double(d[0]));
    const Reel gain = Reel(reference.En(1000).Indicielle);
    EXPECT_NEAR(double(gain), 0.005055, 1e-6);
    EXPECT_NEAR(double(doc.EchellesAuto.GainStat), double(gain), 1e-12 * double(gain));
    const TSysteme rampe = SystemeAvecRampe(doc.Systeme);
    for (const Reel t : {0.3L, 1.0L, 3.0L, 10.0L, 30.0L, 100.0L}) {
        const TReponsesQuad ref = reference.En(Quad(t));
        EXPECT_NEAR(double(ReponseEchelon(doc.Systeme, t, 0, 0, 1, 0)), double(ref.Indicielle), 1e-9 * double(gain)) << double(t);
        EXPECT_NEAR(double(ReponseRampe(rampe, t, 0, 1, 0)), double(ref.Rampe), 1e-9 * double(fabsq(ref.Rampe)))
            << double(t);
    }
    EXPECT_NEAR(double(doc.EchellesAuto.YMinIndicielle), 0, 1e-12);
    EXPECT_NEAR(double(doc.EchellesAuto.YMaxIndicielle), 1, 1e-12);
}

// Racines valides sans coefficients : ceux-ci sont refaits sur elles, (p + 1)(p + 2).
TEST(RacinesDuFichier, CoefficientsAbsentsRefaitsSurLesRacines)
{
    const TDocument doc = Lu("racines_sans_coefficients.kvf");
    const TPolynome& d = doc.Systeme.Denominateur;
    ASSERT_TRUE(d.CoefsValides);
    ASSERT_EQ(d.Degre, 2);
    EXPECT_EQ(d.Coef[0].Re, 2);
    EXPECT_EQ(d.Coef[1].Re, 3);
    EXPECT_EQ(d.Coef[2].Re, 1);
    const TGainStatique k = GainStatique(doc.Systeme.Numerateur, doc.Systeme.Denominateur);
    EXPECT_FALSE(k.Infini);
    EXPECT_EQ(k.Valeur.Re, 0.5L);
    // H(j) = 1 / (1 + 3j) = 0,1 - 0,3j.
    const TComplexe h = ReponseFrequentielle(doc.Systeme, {0, 1});
    EXPECT_NEAR(double(h.Re), 0.1, 1e-15);
    EXPECT_NEAR(double(h.Im), -0.3, 1e-15);
    EXPECT_NEAR(double(ReponseEchelon(doc.Systeme, 50, 0, 0, 1, 0)), 0.5, 1e-15);
}

}  // namespace
