#include "trace/TraceElemSimples.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "SeparateurImpose.h"
#include "DocumentsDessin.h"

namespace {

const QColor Fond(240, 255, 240);
const QColor Titre(128, 0, 0);
const QColor Formule(0, 96, 160);

// Ligne 100 : numérateurs 13 pixels au-dessus, dénominateurs 13 au-dessous, exposants 5 plus haut.
constexpr int Numerateurs = 100 - 13;
constexpr int Denominateurs = 100 + 13;

class TraceElemSimples : public testing::Test {
protected:
    SeparateurImpose point_{'.'};
    TDessinPlace Place(const TDocument& doc, int largeur = 800) const
    {
        return PlaceElemSimples(doc, MiseEnPageEcranElemSimples(doc, largeur), image_);
    }

    int Largeur(const QString& texte) const { return LargeurTexte(texte, PoliceArial(9, image_), image_); }

    QImage image_ = ImageBlanche(800, 400);
};

// Barres de fraction, de gauche à droite et de haut en bas.
std::vector<QLine> Barres(const TDessinPlace& dessin)
{
    std::vector<QLine> barres;
    for (const TTraitPlace& t : dessin.Traits)
        barres.push_back(t.Ligne);
    return barres;
}

TEST_F(TraceElemSimples, UnSeulElementSansSeparateur)
{
    TDocument doc = DocumentAnalyse(PolynomeDeRacines(1, {}), PolynomeDeRacines(1, {{-1, 0}}));
    ChangeCouleur(doc, "ESFond", Fond.red(), Fond.green(), Fond.blue());
    ChangeCouleur(doc, "ESTitre", Titre.red(), Titre.green(), Titre.blue());
    ChangeCouleur(doc, "ESFormule", Formule.red(), Formule.green(), Formule.blue());
    const TDessinPlace dessin = Place(doc);
    {
        QPainter p(&image_);
        DessineElemSimples(p, image_.rect(), doc);
    }

    const TTextePlace* titre = dessin.Cherche("Décomposition en éléments simples de G(p)");
    ASSERT_NE(titre, nullptr);
    EXPECT_EQ(titre->Position, QPoint(30, 30));
    EXPECT_EQ(titre->TaillePoints, 13);
    EXPECT_GT(PixelsDeCouleur(image_, titre->Rectangle(), Titre), 0);

    const int xs = 30 + Largeur("G(p) = ");
    EXPECT_EQ(TextesSurLigne(dessin, 100), QStringList({"G(p) = "}));
    EXPECT_EQ(TextesSurLigne(dessin, Numerateurs), QStringList({"1"}));
    EXPECT_EQ(TextesSurLigne(dessin, Denominateurs), QStringList({" (p+1)"}));
    EXPECT_EQ(NombreDeTextes(dessin, " + "), 0);
    const std::vector<QLine> barres = Barres(dessin);
    ASSERT_EQ(barres.size(), 1u);
    const int largeurFraction = Largeur(" (p+1)") + 6;
    EXPECT_EQ(barres[0], QLine(xs, 108, xs + largeurFraction, 108));
    EXPECT_EQ(dessin.Cherche("1")->Position.x(), xs + (largeurFraction - Largeur("1")) / 2);

    EXPECT_EQ(image_.pixelColor(xs + 1, 108), Formule);
    EXPECT_EQ(image_.pixelColor(700, 350), Fond);
    EXPECT_GT(PixelsDeCouleur(image_, dessin.Cherche(" (p+1)")->Rectangle(), Formule), 0);
}

TEST_F(TraceElemSimples, PartieEntiereAvantLesFractions)
{
    const TDessinPlace dessin =
        Place(DocumentAnalyse(PolynomeDeRacines(1, {{-2, 0}}), PolynomeDeRacines(1, {{-1, 0}})));
    EXPECT_EQ(TextesSurLigne(dessin, 100), QStringList({"G(p) = ", "+1", " + "}));
    EXPECT_EQ(TextesSurLigne(dessin, Numerateurs), QStringList({"1"}));
    const TTextePlace* entiere = dessin.Cherche("+1");
    const TTextePlace* plus = dessin.Cherche(" + ");
    EXPECT_EQ(entiere->Position.x(), 30 + Largeur("G(p) = "));
    EXPECT_EQ(plus->Position.x(), entiere->Position.x() + entiere->Largeur);
    EXPECT_EQ(Barres(dessin).at(0).x1(), plus->Position.x() + plus->Largeur);
}

TEST_F(TraceElemSimples, PoleDoubleNulAvecExposant)
{
    const TDessinPlace dessin =
        Place(DocumentAnalyse(PolynomeDeRacines(1, {}), PolynomeDeRacines(1, {{0, 0}, {0, 0}})));
    EXPECT_EQ(TextesSurLigne(dessin, Denominateurs), QStringList({" p", " p"}));
    EXPECT_EQ(TextesSurLigne(dessin, Numerateurs), QStringList({"0", "1"}));
    const QStringList exposants = TextesSurLigne(dessin, Denominateurs - 5);
    ASSERT_EQ(exposants, QStringList({"2"}));
    EXPECT_EQ(dessin.Cherche("2")->TaillePoints, 7);
    // Le dénominateur et son exposant sont centrés ensemble sous la barre.
    const QLine seconde = Barres(dessin).at(1);
    const int largeurDen = Largeur(" p") + LargeurTexte("2", PoliceArial(7, image_), image_);
    int xDen = -1;
    for (const TTextePlace& t : dessin.Textes)
        if (t.Texte == " p" && t.Position.x() > seconde.x1())
            xDen = t.Position.x();
    EXPECT_EQ(xDen, seconde.x1() + (seconde.dx() - largeurDen) / 2);
}

TEST_F(TraceElemSimples, CoefficientNegatifGardeSonSigneApresLeSeparateur)
{
    // G = 1/(p+3) - 2/(p+1) : le pôle -3 vient d'abord dans l'ordre du dénominateur.
    const TDessinPlace dessin = Place(DocumentAnalyse(PolynomeDeCoefs({-5, -1}), PolynomeDeCoefs({3, 4, 1})));
    EXPECT_EQ(TextesSurLigne(dessin, Numerateurs), QStringList({"1", "-2"}));
    EXPECT_EQ(TextesSurLigne(dessin, Denominateurs), QStringList({" (p+3)", " (p+1)"}));
    const std::vector<QLine> barres = Barres(dessin);
    ASSERT_EQ(barres.size(), 2u);
    const TTextePlace* plus = dessin.Cherche(" + ");
    ASSERT_NE(plus, nullptr);
    EXPECT_EQ(NombreDeTextes(dessin, " + "), 1);
    EXPECT_EQ(plus->Position, QPoint(barres[0].x2(), 100));
    EXPECT_EQ(barres[1].x1(), barres[0].x2() + Largeur(" + "));
}

TEST_F(TraceElemSimples, RenvoiALaLigneSousLePremierElement)
{
    const TDocument doc =
        DocumentAnalyse(PolynomeDeRacines(1, {}), PolynomeDeRacines(1, {{-1, 0}, {-2, 0}, {-3, 0}}));
    const std::vector<QLine> uneLigne = Barres(Place(doc, 5000));
    ASSERT_EQ(uneLigne.size(), 3u);
    for (const QLine& b : uneLigne)
        EXPECT_EQ(b.y1(), 108);

    // Juste la place des deux premiers : le troisième descend de 100 pixels, sous le premier.
    const TDessinPlace etroit = Place(doc, uneLigne[1].x2());
    const std::vector<QLine> barres = Barres(etroit);
    ASSERT_EQ(barres.size(), 3u);
    EXPECT_EQ(barres[0], uneLigne[0]);
    EXPECT_EQ(barres[1], uneLigne[1]);
    EXPECT_EQ(barres[2].y1(), 208);
    const int xs = 30 + Largeur("G(p) = ");
    EXPECT_EQ(TextesSurLigne(etroit, 200), QStringList({" + "}));
    EXPECT_EQ(barres[2].x1(), xs + Largeur(" + "));
    EXPECT_EQ(TextesSurLigne(etroit, 200 - 13).size(), 1);
    EXPECT_EQ(TextesSurLigne(etroit, 200 + 13), QStringList({" (p+1)"}));

    // Une largeur qui finit exactement au bout du troisième le garde sur la première ligne.
    EXPECT_EQ(Barres(Place(doc, uneLigne[2].x2())).at(2).y1(), 108);
}

}  // namespace
