#include "trace/TraceEtude.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "SeparateurImpose.h"
#include "coeur/FermetureBoucle.h"
#include "DocumentsDessin.h"

namespace {

const QColor Fond(255, 255, 224);
const QColor Titre(0, 128, 0);
const QColor Formule(0, 0, 255);
const QColor Cadre(200, 0, 200);
const QColor Rouge(255, 0, 0);

// À 96 points par pouce : h(9) = 12, r(9) = 6, 1,2 x 9 points = 14 pixels.
constexpr int NumerateurDeveloppe = 100 - 12;
constexpr int DenominateurDeveloppe = 100 + 14;
constexpr int NumerateurFactorise = 190 - 12;
constexpr int DenominateurFactorise = 190 + 14;
constexpr int PremiereRangee = 280 + 42;

class TraceEtude : public testing::Test {
protected:
    SeparateurImpose point_{'.'};
    static TDocument Colore(TDocument doc)
    {
        ChangeCouleur(doc, "EPFond", Fond.red(), Fond.green(), Fond.blue());
        ChangeCouleur(doc, "EPTitre", Titre.red(), Titre.green(), Titre.blue());
        ChangeCouleur(doc, "EPFormule", Formule.red(), Formule.green(), Formule.blue());
        ChangeCouleur(doc, "EPCadre", Cadre.red(), Cadre.green(), Cadre.blue());
        return doc;
    }

    TEtudePlacee Place(const TDocument& doc, int largeur = 800) const
    {
        return MiseEnPageEtude(doc, QSize(largeur, 600), image_);
    }

    void Peint(const TDocument& doc)
    {
        QPainter p(&image_);
        DessineEtude(p, image_.rect(), doc);
    }

    // Le texte est à sa place, dans sa couleur, et cette couleur est bien peinte dans l'image.
    void VerifieTexte(const TEtudePlacee& etude, const QString& texte, QPoint place, const QColor& couleur)
    {
        const TTextePlace* t = TexteEn(etude.Dessin, texte, place);
        ASSERT_NE(t, nullptr) << texte.toStdString() << " absent de sa place";
        EXPECT_EQ(t->Couleur, couleur) << texte.toStdString();
        EXPECT_GT(PixelsDeCouleur(image_, t->Rectangle(), couleur), 0) << texte.toStdString();
    }

    QImage image_ = ImageBlanche(800, 600);
};

// Abscisse de fin de la barre de fraction posée à l'ordonnée y.
int FinBarre(const TEtudePlacee& etude, int y)
{
    for (const TTraitPlace& t : etude.Dessin.Traits)
        if (t.Ligne.y1() == y && t.Ligne.y2() == y)
            return t.Ligne.x2();
    return -1;
}

TEST_F(TraceEtude, DeuxPolesReelsSansZero)
{
    const TDocument doc = Colore(DocumentAnalyse(PolynomeDeCoefs({2}), PolynomeDeCoefs({2, 3, 1})));
    const TEtudePlacee etude = Place(doc);
    Peint(doc);

    VerifieTexte(etude, "Etude de la fonction de transfert:", QPoint(10, 30), Titre);
    EXPECT_EQ(etude.Dessin.Cherche("Etude de la fonction de transfert:")->TaillePoints, 13);
    EXPECT_EQ(TextesSurLigne(etude.Dessin, NumerateurDeveloppe), QStringList({"+2"}));
    EXPECT_EQ(TextesSurLigne(etude.Dessin, DenominateurDeveloppe), QStringList({"+ p", " ", "+3 p", " ", "+2"}));
    EXPECT_EQ(TextesSurLigne(etude.Dessin, DenominateurDeveloppe - 6), QStringList({"2"}));
    EXPECT_EQ(TextesSurLigne(etude.Dessin, NumerateurFactorise), QStringList({"+2"}));
    EXPECT_EQ(TextesSurLigne(etude.Dessin, DenominateurFactorise), QStringList({" (p+2)", " (p+1)"}));
    EXPECT_EQ(TextesSurLigne(etude.Dessin, PremiereRangee), QStringList({"aucun", "-2"}));
    EXPECT_EQ(TextesSurLigne(etude.Dessin, PremiereRangee + 22), QStringList({"-1"}));
    VerifieTexte(etude, "aucun", QPoint(20, PremiereRangee), Formule);
    VerifieTexte(etude, "-1", QPoint(209, PremiereRangee + 22), Formule);
    VerifieTexte(etude, "Système Stable", QPoint(20, PremiereRangee + 22 + 22 + 30), Formule);
    EXPECT_EQ(etude.Dessin.Cherche("Système Instable"), nullptr);
    EXPECT_EQ(PixelsDeCouleur(image_, image_.rect(), Rouge, 40), 0);

    EXPECT_EQ(image_.pixelColor(700, 550), Fond);
    const int droite = FinBarre(etude, 108) + 10;
    EXPECT_EQ(image_.pixelColor(10, 100), Cadre);
    EXPECT_EQ(image_.pixelColor(droite - 1, 100), Cadre);
    EXPECT_EQ(image_.pixelColor(droite, 100), Fond);
    EXPECT_EQ(image_.pixelColor(FinBarre(etude, 108) - 1, 108), Formule);
    EXPECT_EQ(image_.pixelColor(199, 300), Cadre);
    EXPECT_EQ(image_.pixelColor(300, 280 - 21 + 38), Cadre);
}

TEST_F(TraceEtude, PoleInstableEtVerdictEnRouge)
{
    const TDocument doc =
        Colore(DocumentAnalyse(PolynomeDeRacines(1, {}), PolynomeDeRacines(1, {{-2, 0}, {1, 0}})));
    ASSERT_FALSE(doc.Systeme.SystemeStable);
    const TEtudePlacee etude = Place(doc);
    Peint(doc);

    VerifieTexte(etude, "-2", QPoint(209, PremiereRangee), Formule);
    VerifieTexte(etude, "+1", QPoint(209, PremiereRangee + 22), Rouge);
    VerifieTexte(etude, "Système Instable", QPoint(20, PremiereRangee + 44 + 30), Rouge);
    EXPECT_EQ(PixelsDeCouleur(image_, TexteEn(etude.Dessin, "-2", QPoint(209, PremiereRangee))->Rectangle(), Rouge, 40),
              0);
    EXPECT_EQ(etude.Dessin.Cherche("Système Stable"), nullptr);
}

TEST_F(TraceEtude, PoleNulDansLaCouleurDesFormules)
{
    const TDocument doc = Colore(DocumentAnalyse(PolynomeDeRacines(1, {}), PolynomeDeRacines(1, {{0, 0}})));
    const TEtudePlacee etude = Place(doc);
    Peint(doc);

    VerifieTexte(etude, "+0", QPoint(209, PremiereRangee), Formule);
    EXPECT_EQ(TextesSurLigne(etude.Dessin, DenominateurFactorise), QStringList({" p"}));
    EXPECT_EQ(TextesSurLigne(etude.Dessin, NumerateurFactorise), QStringList({"+1"}));
    VerifieTexte(etude, "Système Stable", QPoint(20, PremiereRangee + 22 + 30), Formule);
}

TEST_F(TraceEtude, LeTableauDescendJusquALaDerniereRangeeEcrite)
{
    const TDocument doc =
        Colore(DocumentAnalyse(PolynomeDeRacines(1, {{-1, 0}, {-1, 0}, {-1, 0}}), PolynomeDeRacines(2, {})));
    const TEtudePlacee etude = Place(doc);
    Peint(doc);

    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(TextesSurLigne(etude.Dessin, PremiereRangee + 22 * j).first(), "-1");
    VerifieTexte(etude, "aucun", QPoint(209, PremiereRangee), Formule);
    const int bas = PremiereRangee + 44 + 22;
    VerifieTexte(etude, "Système Instable", QPoint(20, bas + 30), Rouge);
    EXPECT_EQ(image_.pixelColor(10, bas - 1), Cadre);
    EXPECT_EQ(image_.pixelColor(199, bas - 1), Cadre);
    EXPECT_EQ(image_.pixelColor(100, bas - 1), Cadre);
    // Racine triple et constante exactement 1 : le facteur seul, la multiplicité en exposant.
    EXPECT_EQ(TextesSurLigne(etude.Dessin, NumerateurFactorise), QStringList({" (p+1)"}));
    EXPECT_EQ(TextesSurLigne(etude.Dessin, NumerateurFactorise - 6), QStringList({"3"}));
    EXPECT_EQ(TextesSurLigne(etude.Dessin, DenominateurFactorise), QStringList({"+2"}));
}

TEST_F(TraceEtude, FacteurDeRetardAvantLaFraction)
{
    const TPolynome n = PolynomeDeRacines(1, {});
    const TPolynome d = PolynomeDeRacines(1, {{-1, 0}});

    const TEtudePlacee demi = Place(DocumentAnalyse(n, d, 0.5L));
    EXPECT_EQ(TextesSurLigne(demi.Dessin, 100), QStringList({"Kovra = ", "e", " x "}));
    ASSERT_EQ(TextesSurLigne(demi.Dessin, 100 - 6), QStringList({"-0.5p"}));
    EXPECT_EQ(demi.Dessin.Cherche("-0.5p")->TaillePoints, 7);
    const TTextePlace* fois = demi.Dessin.Cherche(" x ");
    EXPECT_EQ(demi.Dessin.Cherche("+ p")->Position.x(), fois->Position.x() + fois->Largeur);

    EXPECT_EQ(TextesSurLigne(Place(DocumentAnalyse(n, d, 1)).Dessin, 100 - 6), QStringList({"-p"}));

    const TEtudePlacee sans = Place(DocumentAnalyse(n, d, 0));
    EXPECT_EQ(TextesSurLigne(sans.Dessin, 100), QStringList({"Kovra = "}));
    const TTextePlace* kovra = sans.Dessin.Cherche("Kovra = ");
    EXPECT_EQ(sans.Dessin.Cherche("+ p")->Position.x(), kovra->Position.x() + kovra->Largeur);
}

TEST_F(TraceEtude, CoefficientsProchesDeUn)
{
    const TEtudePlacee etude =
        Place(DocumentAnalyse(PolynomeDeCoefs({0.99995L, -0.99995L, 0.99995L}), PolynomeDeCoefs({1, 1, 1, 1})));
    const QStringList termes = TextesSurLigne(etude.Dessin, NumerateurDeveloppe);
    ASSERT_EQ(termes.size(), 5);
    EXPECT_EQ(termes.mid(0, 4), QStringList({"+ p", " ", "- p", " "}));
    // Le terme constant garde son nombre, même à 1e-4 de 1.
    EXPECT_TRUE(termes[4] == "+0.9999" || termes[4] == "+1") << termes[4].toStdString();
}

TEST_F(TraceEtude, ConstantesDeLaFormeFactorisee)
{
    // Le numérateur n'omet que 1 exact ; le dénominateur omet tout ce qui est à 1e-4 de 1.
    const TEtudePlacee proches =
        Place(DocumentAnalyse(PolynomeDeRacines(1.00001L, {{-3, 0}}), PolynomeDeRacines(1.00001L, {{-1, 0}})));
    EXPECT_EQ(TextesSurLigne(proches.Dessin, NumerateurFactorise), QStringList({"+1", " (p+3)"}));
    EXPECT_EQ(TextesSurLigne(proches.Dessin, DenominateurFactorise), QStringList({" (p+1)"}));

    const TEtudePlacee moinsUn =
        Place(DocumentAnalyse(PolynomeDeRacines(-1, {{-3, 0}}), PolynomeDeRacines(-0.99995L, {{-1, 0}})));
    EXPECT_EQ(TextesSurLigne(moinsUn.Dessin, NumerateurFactorise), QStringList({"-", " (p+3)"}));
    EXPECT_EQ(TextesSurLigne(moinsUn.Dessin, DenominateurFactorise), QStringList({"-", " (p+1)"}));
}

TEST_F(TraceEtude, FenetreEtroiteRetrecitLesTermesJusquAExposantDeux)
{
    const TDocument doc = DocumentAnalyse(
        PolynomeDeRacines(1, {}), PolynomeDeCoefs({1.5L, 2.5L, 3.5L, 4.5L, 5.5L, 6.5L, 7.5L, 8.5L, 9.5L, 10.5L, 1}));

    const TEtudePlacee large = Place(doc, 3000);
    EXPECT_EQ(large.TailleDeveloppee, 9);
    EXPECT_EQ(large.ExposantDeveloppe, 7);
    const int juste = FinBarre(large, 108);
    EXPECT_EQ(Place(doc, juste).TailleDeveloppee, 9);
    const TEtudePlacee unPixelDeMoins = Place(doc, juste - 1);
    EXPECT_LT(unPixelDeMoins.TailleDeveloppee, 9);
    EXPECT_EQ(unPixelDeMoins.ExposantDeveloppe, unPixelDeMoins.TailleDeveloppee - 2);

    const int justeFactorise = FinBarre(large, 198) + 10;
    EXPECT_EQ(Place(doc, justeFactorise).TailleFactorisee, 9);
    EXPECT_LT(Place(doc, justeFactorise - 1).TailleFactorisee, 9);

    const TEtudePlacee etroite = Place(doc, 150);
    EXPECT_EQ(etroite.TailleDeveloppee, 4);
    EXPECT_EQ(etroite.ExposantDeveloppe, 2);
    EXPECT_EQ(etroite.TailleFactorisee, 4);
    EXPECT_EQ(etroite.ExposantFactorise, 2);
    // Les places de la forme développée restent celles de la taille 9 ; la forme factorisée
    // se replace d'après sa taille finale (h(4) = 5 pixels).
    const QStringList denominateur = TextesSurLigne(etroite.Dessin, DenominateurDeveloppe);
    ASSERT_FALSE(denominateur.isEmpty());
    EXPECT_EQ(denominateur.first(), "+ p");
    const TTextePlace* exposant = nullptr;
    for (const TTextePlace& t : etroite.Dessin.Textes)
        if (t.Texte == "10" && t.Position.y() == DenominateurDeveloppe - 6)
            exposant = &t;
    ASSERT_NE(exposant, nullptr);
    EXPECT_EQ(exposant->TaillePoints, 2);
    EXPECT_EQ(exposant->Police.pixelSize(), 3);
    EXPECT_EQ(TextesSurLigne(etroite.Dessin, 190 - 5), QStringList({"+1"}));
    EXPECT_EQ(etroite.Dessin.Cherche("Kovra = ")->TaillePoints, 9);
}

TEST_F(TraceEtude, TaillesConvertiesAvecLaResolutionDuSupport)
{
    QImage fine = ImageBlanche(1600, 1200);
    fine.setDotsPerMeterX(7874);
    fine.setDotsPerMeterY(7874);
    ASSERT_EQ(fine.logicalDpiY(), 200);
    const TEtudePlacee etude = MiseEnPageEtude(
        DocumentAnalyse(PolynomeDeCoefs({2}), PolynomeDeCoefs({2, 3, 1})), fine.size(), fine);
    // h(9) = rnd(9 / 72 x 200) = 25 ; 1,2 x 9 points = 30 pixels ; h(13) = 36.
    EXPECT_EQ(etude.Dessin.Cherche("Kovra = ")->Police.pixelSize(), 25);
    EXPECT_EQ(etude.Dessin.Cherche("Etude de la fonction de transfert:")->Police.pixelSize(), 36);
    EXPECT_EQ(TextesSurLigne(etude.Dessin, 100 - 25), QStringList({"+2"}));
    EXPECT_EQ(TextesSurLigne(etude.Dessin, 100 + 30).first(), "+ p");
}

TEST_F(TraceEtude, DessineDansLaZoneClienteSeulement)
{
    const TDocument doc = Colore(DocumentAnalyse(PolynomeDeCoefs({2}), PolynomeDeCoefs({2, 3, 1})));
    QImage image = ImageBlanche(800, 650);
    {
        QPainter p(&image);
        DessineEtude(p, QRect(0, 50, 800, 600), doc);
    }
    EXPECT_EQ(image.pixelColor(5, 10), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(5, 60), Fond);
    EXPECT_EQ(image.pixelColor(10, 50 + 100), Cadre);
    EXPECT_EQ(image.pixelColor(10, 100), Fond);
}

}  // namespace

namespace {

// Textes de l'étude qui commencent ainsi.
QStringList TextesDebutant(const TEtudePlacee& etude, const QString& debut)
{
    QStringList trouves;
    for (const TTextePlace& t : etude.Dessin.Textes)
        if (t.Texte.startsWith(debut))
            trouves << t.Texte;
    return trouves;
}

// Une boucle fermée stable peut avoir des marges négatives : chaque ligne dit de quelle boucle
// elle parle. L'étude de la fonction saisie reste telle qu'elle était.
TEST_F(TraceEtude, LaBoucleFermeeDitDeQuelleBoucleParleChaqueLigne)
{
    TDocument doc = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({0, 2, 3, 1}));
    doc.MargesEtude = true;
    const TEtudePlacee saisie = Place(doc);
    EXPECT_EQ(TextesDebutant(saisie, "Système"), QStringList{"Système Stable"});
    EXPECT_EQ(TextesDebutant(saisie, "Marge de gain : ").size(), 1);
    EXPECT_TRUE(TextesDebutant(saisie, "Cette fonction").isEmpty());

    ASSERT_TRUE(FermeLaBoucle(doc, 3).isEmpty());
    AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    ASSERT_TRUE(doc.Systeme.SystemeStable);
    const TEtudePlacee fermee = Place(doc);
    EXPECT_EQ(TextesDebutant(fermee, "Système"), QStringList{"Système Stable (boucle fermée)"});
    EXPECT_EQ(TextesDebutant(fermee, "Cette fonction en boucle ouverte : Marge de gain : ").size(), 1);
}

}  // namespace
