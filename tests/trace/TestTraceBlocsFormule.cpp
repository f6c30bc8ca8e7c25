#include "trace/TraceBlocsFormule.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "fenetres/AideDialogues.h"
#include "DocumentsDessin.h"

namespace {

const QColor Texte(0, 0, 255);
const QColor Trait(200, 0, 200);

// Écarts et cadre d'un autre support : tout se lit dans le dessin, rien ne vient de l'écran.
TEcartsFraction EcartsEssai(int tailleRetenue, int, const QPaintDevice&)
{
    return {20 + tailleRetenue, 30, 7, 11};
}

QRect CadreAutourDesTextes(const TEtendueBloc& e, const QPaintDevice&)
{
    return e.Textes.adjusted(-4, -4, 4, 4);
}

class BlocsFormule : public testing::Test {
protected:
    SeparateurImpose point_{'.'};
    static TGabaritFormule Gabarit(int limite = 5000)
    {
        TGabaritFormule g;
        g.LargeurLimite = limite;
        g.Texte = Texte;
        g.Trait = Trait;
        return g;
    }

    void Peint(const TDessinPlace& dessin)
    {
        QPainter p(&image_);
        PeintDessin(p, image_.rect(), dessin);
    }

    QImage image_ = ImageBlanche(800, 800);
    const TDocument deuxPoles_ = DocumentAnalyse(PolynomeDeCoefs({2}), PolynomeDeCoefs({2, 3, 1}));
};

TEST_F(BlocsFormule, FormeDeveloppeeALaPositionDonneeRendLeCoinDeSonCadre)
{
    TDessinPlace dessin;
    const TBlocPlace bloc = PlaceFormeDeveloppee(dessin, deuxPoles_, QPoint(50, 300), Gabarit(), image_);
    Peint(dessin);

    ASSERT_NE(TexteEn(dessin, "Kovra = ", QPoint(50, 300)), nullptr);
    EXPECT_EQ(TextesSurLigne(dessin, 300 - 12), QStringList({"+2"}));
    EXPECT_EQ(TextesSurLigne(dessin, 300 + 14).first(), "+ p");
    ASSERT_EQ(dessin.Cadres.size(), 1u);
    EXPECT_EQ(dessin.Cadres[0].Coin1, QPoint(40, 279));
    EXPECT_EQ(dessin.Cadres[0].Coin2.y(), 340);
    EXPECT_EQ(bloc.BasGauche, QPoint(40, 339));
    EXPECT_EQ(image_.pixelColor(bloc.BasGauche), Trait);
    EXPECT_EQ(image_.pixelColor(bloc.BasGauche + QPoint(0, 1)), QColor(Qt::white));
    EXPECT_EQ(bloc.Taille, 9);
    EXPECT_EQ(bloc.TailleExposant, 7);
}

TEST_F(BlocsFormule, LesTroisBlocsSEnchainentSousLeCoinRendu)
{
    TDessinPlace dessin;
    const TDocument doc = DocumentAnalyse(PolynomeDeRacines(1, {}), PolynomeDeRacines(1, {{-1, 0}, {-2, 0}, {-3, 0}}));
    const TBlocPlace a = PlaceFormeDeveloppee(dessin, doc, QPoint(30, 40), Gabarit(), image_);
    const TBlocPlace b = PlaceFormeFactorisee(dessin, doc, a.BasGauche + QPoint(10, 40), Gabarit(), image_);
    // Place pour deux éléments par ligne : le troisième descend d'une interligne.
    const TBlocPlace c = PlaceElementsSimples(dessin, doc, b.BasGauche + QPoint(10, 40), Gabarit(180), image_);
    Peint(dessin);

    ASSERT_EQ(dessin.Cadres.size(), 3u);
    for (std::size_t i = 1; i < 3; ++i)
        EXPECT_GT(dessin.Cadres[i].Coin1.y(), dessin.Cadres[i - 1].Coin2.y());
    const int ligne = b.BasGauche.y() + 40;
    ASSERT_EQ(dessin.Traits.size(), 2u + 3u);
    EXPECT_EQ(dessin.Traits[3].Ligne.y1(), ligne + 8);
    EXPECT_EQ(dessin.Traits[4].Ligne.y1(), ligne + 100 + 8);
    // Les éléments renvoyés à la ligne restent dans le cadre, qui descend sous la dernière ligne.
    const QRect cadre(dessin.Cadres[2].Coin1, dessin.Cadres[2].Coin2 - QPoint(1, 1));
    for (std::size_t i = 2; i < dessin.Traits.size(); ++i)
        EXPECT_TRUE(cadre.contains(dessin.Traits[i].Ligne.p2())) << i;
    EXPECT_EQ(c.BasGauche, QPoint(b.BasGauche.x(), ligne + 100 + 39));
    EXPECT_EQ(image_.pixelColor(c.BasGauche), Trait);
}

TEST_F(BlocsFormule, EcartsEtCadreDuGabarit)
{
    TGabaritFormule g = Gabarit();
    g.Ecarts = EcartsEssai;
    g.Cadre = CadreAutourDesTextes;
    TDessinPlace dessin;
    const TBlocPlace bloc = PlaceFormeFactorisee(
        dessin, DocumentAnalyse(PolynomeDeRacines(1, {}), PolynomeDeRacines(1, {{0, 0}, {0, 0}})), QPoint(100, 200),
        g, image_);

    EXPECT_EQ(TextesSurLigne(dessin, 200 - 29), QStringList({"+1"}));
    EXPECT_EQ(TextesSurLigne(dessin, 200 + 30), QStringList({" p"}));
    EXPECT_EQ(TextesSurLigne(dessin, 200 + 30 - 7), QStringList({"2"}));
    ASSERT_EQ(dessin.Traits.size(), 1u);
    EXPECT_EQ(dessin.Traits[0].Ligne.y1(), 211);
    QRect textes;
    for (const TTextePlace& t : dessin.Textes)
        textes |= t.Rectangle();
    ASSERT_EQ(dessin.Cadres.size(), 1u);
    EXPECT_EQ(dessin.Cadres[0].Coin1, textes.topLeft() - QPoint(4, 4));
    EXPECT_EQ(bloc.BasGauche, textes.bottomLeft() + QPoint(-4, 4));
}

TEST_F(BlocsFormule, SansCadreLeCoinEstCeluiDesTextes)
{
    TGabaritFormule g = Gabarit();
    g.Cadre = nullptr;
    TDessinPlace dessin;
    dessin.Textes.push_back({"avant", QPoint(0, 0), {}, 9, Texte, 10, 700});
    const TBlocPlace bloc = PlaceElementsSimples(dessin, deuxPoles_, QPoint(30, 100), g, image_);

    EXPECT_TRUE(dessin.Cadres.empty());
    QRect textes;
    for (std::size_t i = 1; i < dessin.Textes.size(); ++i)
        textes |= dessin.Textes[i].Rectangle();
    EXPECT_EQ(bloc.BasGauche, textes.bottomLeft());
    EXPECT_EQ(bloc.BasGauche.x(), 30);
}

TEST_F(BlocsFormule, TaillesEnPointsSelonLaResolution)
{
    QImage fine = ImageBlanche(1600, 1200);
    fine.setDotsPerMeterX(7874);
    fine.setDotsPerMeterY(7874);
    ASSERT_EQ(fine.logicalDpiY(), 200);
    TDessinPlace dessin;
    TGabaritFormule g = Gabarit();
    g.Taille = 12;
    g.TailleExposant = 8;
    PlaceFormeDeveloppee(dessin, deuxPoles_, QPoint(60, 400), g, fine);
    // h(12) = rnd(12 / 72 x 200) = 33, 1,2 x 12 points = 40 pixels, exposant 8 points = 22 pixels.
    EXPECT_EQ(dessin.Cherche("Kovra = ")->Police.pixelSize(), 33);
    EXPECT_EQ(TextesSurLigne(dessin, 400 - 33), QStringList({"+2"}));
    EXPECT_EQ(TextesSurLigne(dessin, 400 + 40).first(), "+ p");
    const QStringList exposants = TextesSurLigne(dessin, 400 + 40 - 16);
    ASSERT_EQ(exposants, QStringList({"2"}));
    EXPECT_EQ(dessin.Cherche("2")->Police.pixelSize(), 22);
}

TEST_F(BlocsFormule, ReductionJusquAExposantMinEtToleranceDuNumerateur)
{
    const TDocument doc =
        DocumentAnalyse(PolynomeDeRacines(1.00001L, {{-3, 0}}), PolynomeDeRacines(1, {{-1, 0}, {-2, 0}}));
    TGabaritFormule g = Gabarit(60);
    TDessinPlace ecran;
    EXPECT_EQ(PlaceFormeFactorisee(ecran, doc, QPoint(20, 100), g, image_).TailleExposant, 2);
    EXPECT_NE(ecran.Cherche("+1"), nullptr);

    g.ExposantMin = 1;
    g.ToleranceNumerateur = 1e-4L;
    TDessinPlace papier;
    const TBlocPlace bloc = PlaceFormeFactorisee(papier, doc, QPoint(20, 100), g, image_);
    EXPECT_EQ(bloc.Taille, 3);
    EXPECT_EQ(bloc.TailleExposant, 1);
    EXPECT_EQ(papier.Cherche("+1"), nullptr);
    EXPECT_NE(papier.Cherche(" (p+3)"), nullptr);
}

}  // namespace
