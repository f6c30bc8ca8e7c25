// L'étude imprimée à l'italienne : places des trois blocs, tableau des zéros et des pôles,
// pôles instables en rouge ou en italique, verdict.
#include <QImage>
#include <gtest/gtest.h>

#include "AideImages.h"
#include "DocumentsDessin.h"
#include "trace/TraceEtudeImprimee.h"
#include "trace/TraceFormule.h"
#include "coeur/FermetureBoucle.h"

namespace {

constexpr int Ppp = 600;

int Mm(Reel mm)
{
    return Arrondi(mm * Ppp / 25.4L);
}

// A4 à l'italienne, à 6 mm des bords.
const QRect Page(0, 0, Mm(285), Mm(198));

TDessinPlace Etude(const TDocument& doc)
{
    static const QImage support = ImageAResolution(1, 1, Ppp);
    return PlaceEtudeImprimee(doc, Page, Ppp, support);
}

std::vector<const TTextePlace*> TextesEn(const TDessinPlace& dessin, const QString& texte)
{
    std::vector<const TTextePlace*> trouves;
    for (const TTextePlace& t : dessin.Textes)
        if (t.Texte == texte)
            trouves.push_back(&t);
    return trouves;
}

// (p - 1)(p + 2) : un pôle instable, un stable ; numérateur constant.
TDocument Instable()
{
    return DocumentAnalyse(PolynomeDeCoefs({3}), PolynomeDeRacines(1, {ComplexeReel(1), ComplexeReel(-2)}));
}

}  // namespace

TEST(EtudeImprimee, TroisBlocsLesUnsSousLesAutres)
{
    const TDocument doc = DocumentAnalyse(PolynomeDeCoefs({1, 2}), PolynomeDeCoefs({2, 3, 1}), 0.25L);
    const TDessinPlace dessin = Etude(doc);
    const int gauche = Mm(12);
    EXPECT_NE(TexteEn(dessin, "Kovra = ", QPoint(gauche, Mm(17))), nullptr);
    const std::vector<const TTextePlace*> entetes = TextesEn(dessin, "G(p) = ");
    ASSERT_EQ(entetes.size(), 2u);
    ASSERT_GE(dessin.Cadres.size(), 4u);
    // Chaque bloc commence à l'écart G sous le bas du cadre du bloc d'avant.
    const int ecart = Mm(10) + Mm(2) + Arrondi(0.125L * Ppp);
    EXPECT_EQ(entetes[0]->Position, QPoint(gauche, dessin.Cadres[0].Coin2.y() - 1 + ecart));
    EXPECT_EQ(entetes[1]->Position, QPoint(gauche, dessin.Cadres[1].Coin2.y() - 1 + ecart));
    // Cadres à 2 mm à gauche de leur en-tête.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dessin.Cadres[std::size_t(i)].Coin1.x(), gauche - Mm(2)) << i;
    // Les éléments simples : deux fractions, numérateurs au-dessus de la ligne de 13/12 de la taille.
    const int y = entetes[1]->Position.y();
    EXPECT_FALSE(TextesSurLigne(dessin, y - Arrondi(9 * 13 / 12.0L / 72 * Ppp)).isEmpty());
    EXPECT_EQ(TextesSurLigne(dessin, y), (QStringList{"G(p) = ", " + "}));
}

TEST(EtudeImprimee, TableauDesRacinesEtVerdict)
{
    const TDocument doc = Instable();
    const TDessinPlace dessin = Etude(doc);
    const TCadrePlace& tableau = dessin.Cadres[3];
    const int haut = tableau.Coin1.y();
    EXPECT_EQ(tableau.Coin1.x(), Mm(12) - Mm(2));
    EXPECT_EQ(tableau.Coin2.x() - 1, Mm(12) - Mm(2) + Mm(100));
    EXPECT_EQ(haut, dessin.Cadres[2].Coin2.y() - 1 + Mm(10));
    const int premiere = haut + Mm(2) + 302;
    const TTextePlace* aucun = TexteEn(dessin, "aucun", QPoint(Mm(12), premiere));
    ASSERT_NE(aucun, nullptr);
    // La première rangée sous le trait des en-têtes, pas à cheval dessus.
    const TTraitPlace& trait = dessin.Traits[dessin.Traits.size() - 2];
    EXPECT_EQ(trait.Ligne.y1(), haut + Mm(10));
    EXPECT_GT(aucun->Position.y(), trait.Ligne.y1());
    const int rangee = Arrondi(0.275L * Ppp);
    // Pôles triés : -2 puis 1, à 50 mm de la marge, chacun converti à part.
    const int colonne = Mm(12) + Mm(50);
    const TTextePlace* stable = TexteEn(dessin, TexteComplexe(ComplexeReel(-2), 4), QPoint(colonne, premiere));
    const TTextePlace* instable = TexteEn(dessin, TexteComplexe(ComplexeReel(1), 4), QPoint(colonne, premiere + rangee));
    ASSERT_NE(instable, nullptr);
    ASSERT_NE(stable, nullptr);
    // En noir : l'instable en italique, tout en noir.
    EXPECT_TRUE(instable->Police.italic());
    EXPECT_FALSE(stable->Police.italic());
    EXPECT_EQ(instable->Couleur, QColor(Qt::black));
    const int bas = premiere + rangee + Mm(6);
    EXPECT_EQ(tableau.Coin2.y() - 1, bas);
    const TTextePlace* verdict = TexteEn(dessin, "Système Instable", QPoint(Mm(12), bas + Mm(10)));
    ASSERT_NE(verdict, nullptr);
    EXPECT_EQ(verdict->Couleur, QColor(Qt::black));
    const TTextePlace* zeros = dessin.Cherche("Zéros");
    ASSERT_NE(zeros, nullptr);
    EXPECT_TRUE(zeros->Police.italic());
    EXPECT_EQ(zeros->Position.y(), haut + Mm(2));
    EXPECT_NE(dessin.Cherche("Pôles"), nullptr);
    for (const TTraitPlace& t : dessin.Traits)
        EXPECT_EQ(t.Couleur, QColor(Qt::black));
}

TEST(EtudeImprimee, EnCouleurLePoleInstableEnRougeEtLeVerdictSansRouge)
{
    TDocument doc = Instable();
    doc.ImpressionCouleur = true;
    ChangeCouleur(doc, "EPFormule", 0, 0, 200);
    const TDessinPlace dessin = Etude(doc);
    const TTextePlace* instable = dessin.Cherche(TexteComplexe(ComplexeReel(1), 4));
    const TTextePlace* stable = dessin.Cherche(TexteComplexe(ComplexeReel(-2), 4));
    ASSERT_NE(instable, nullptr);
    ASSERT_NE(stable, nullptr);
    EXPECT_EQ(instable->Couleur, QColor(Qt::red));
    EXPECT_FALSE(instable->Police.italic());
    EXPECT_EQ(stable->Couleur, QColor(0, 0, 200));
    const TTextePlace* verdict = dessin.Cherche("Système Instable");
    ASSERT_NE(verdict, nullptr);
    EXPECT_EQ(verdict->Couleur, QColor(0, 0, 200));
}

TEST(EtudeImprimee, SystemeStableEtConstantesFactoriseesReduites)
{
    // -1 / (p + 1)(p + 2) : la constante -1 du numérateur s'écrit « - » au papier.
    const TDocument doc = DocumentAnalyse(PolynomeDeRacines(-1, {ComplexeReel(-3)}),
                                          PolynomeDeRacines(1, {ComplexeReel(-1), ComplexeReel(-2)}));
    const TDessinPlace dessin = Etude(doc);
    EXPECT_NE(dessin.Cherche("Système Stable"), nullptr);
    EXPECT_EQ(dessin.Cherche("Système Instable"), nullptr);
    EXPECT_NE(dessin.Cherche("-"), nullptr);
}

// Le papier montre ce que l'étude montre à l'écran : la boucle fermée étudiée au-dessus des
// formules, la ligne des marges sous le verdict quand elle est demandée, dans la couleur des
// formules quand la page est en couleur. 1/(p(p+1)(p+2)) : MG = 20 log 6 dB, MP = 53,41°.
TEST(EtudeImprimee, BoucleFermeeEtLigneDesMargesCommeALEcran)
{
    TDocument doc = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({0, 2, 3, 1}));
    const QString marges = QStringLiteral("Marge de gain : +15.56 dB   Marge de phase : +53.41 °");
    EXPECT_EQ(Etude(doc).Cherche(marges), nullptr);
    doc.MargesEtude = true;
    doc.ImpressionCouleur = true;
    ChangeCouleur(doc, "EPFormule", 0, 0, 200);
    const TDessinPlace dessin = Etude(doc);
    const TTextePlace* ligne = dessin.Cherche(marges);
    const TTextePlace* verdict = dessin.Cherche("Système Stable");
    ASSERT_NE(ligne, nullptr);
    ASSERT_NE(verdict, nullptr);
    EXPECT_EQ(ligne->Position.x(), verdict->Position.x());
    EXPECT_GT(ligne->Position.y(), verdict->Position.y() + Arrondi(9.0L / 72 * Ppp));
    EXPECT_EQ(ligne->Couleur, QColor(0, 0, 200));

    // Fermée à K = 2 : la légende de l'écran, en italique, au-dessus de « Kovra = ».
    ASSERT_TRUE(FermeLaBoucle(doc, 2).isEmpty());
    AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    const TDessinPlace fermee = Etude(doc);
    const TTextePlace* legende = nullptr;
    for (const TTextePlace& t : fermee.Textes)
        if (t.Texte.startsWith("Boucle fermée") && t.Texte.endsWith("K = +2"))
            legende = &t;
    ASSERT_NE(legende, nullptr);
    EXPECT_TRUE(legende->Police.italic());
    EXPECT_LT(legende->Position.y() + Arrondi(9.0L / 72 * Ppp), Mm(17) - Mm(2));
    EXPECT_EQ(legende->Couleur, QColor(0, 0, 200));
    // La boucle fermée par K = 2 reste stable (K < 6) : verdict et marges disent, comme à l'écran,
    // de quelle boucle ils parlent.
    EXPECT_NE(fermee.Cherche("Système Stable (boucle fermée)"), nullptr);
    const auto margesFermee = std::find_if(fermee.Textes.begin(), fermee.Textes.end(), [](const TTextePlace& t) {
        return t.Texte.startsWith("Cette fonction en boucle ouverte : Marge de gain : ");
    });
    EXPECT_NE(margesFermee, fermee.Textes.end());
}
