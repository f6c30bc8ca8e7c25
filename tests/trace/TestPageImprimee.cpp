// Pages imprimées des diagrammes et des réponses : cadre de la page, titre, encadré de la
// formule, noir et blanc, points de l'écran intacts ; lus sur des images à la résolution du papier.
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

#include "AideImages.h"
#include "AidePages.h"
#include "coeur/TextesValeurs.h"
#include "trace/FormulesImprimees.h"

namespace {

int Mm(Reel mm, int ppp)
{
    return Arrondi(mm * ppp / 25.4L);
}

int Po(Reel pouces, int ppp)
{
    return Arrondi(pouces * ppp);
}

// Zone imprimable d'un A4 portrait à 6 mm des bords.
QRect PageA4(int ppp)
{
    return QRect(0, 0, Mm(198, ppp), Mm(285, ppp));
}

QImage ImageGrise(int largeur, int hauteur, int ppp)
{
    QImage image(largeur, hauteur, QImage::Format_Grayscale8);
    image.setDotsPerMeterX(Arrondi(ppp / 0.0254L));
    image.setDotsPerMeterY(Arrondi(ppp / 0.0254L));
    image.fill(Qt::white);
    return image;
}

bool Sombre(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// Un pixel qui n'est pas un gris : une couleur du schéma.
int PixelsColores(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            n += qRed(ligne[x]) != qGreen(ligne[x]) || qGreen(ligne[x]) != qBlue(ligne[x]);
    }
    return n;
}

// Bord fin d'un pixel : sombre en `x`, clair de part et d'autre.
void AttendBordFinVertical(const QImage& image, int x, int y)
{
    EXPECT_TRUE(Sombre(image, x, y)) << x << "," << y;
    EXPECT_FALSE(Sombre(image, x - 1, y)) << x - 1 << "," << y;
    EXPECT_FALSE(Sombre(image, x + 1, y)) << x + 1 << "," << y;
}

void AttendBordEpaisVertical(const QImage& image, int x, int y)
{
    for (int dx = -1; dx <= 1; ++dx)
        EXPECT_TRUE(Sombre(image, x + dx, y)) << x + dx << "," << y;
    EXPECT_FALSE(Sombre(image, x - 2, y)) << x - 2 << "," << y;
    EXPECT_FALSE(Sombre(image, x + 2, y)) << x + 2 << "," << y;
}

void AttendBordFinHorizontal(const QImage& image, int x, int y)
{
    EXPECT_TRUE(Sombre(image, x, y)) << x << "," << y;
    EXPECT_FALSE(Sombre(image, x, y - 1)) << x << "," << y - 1;
    EXPECT_FALSE(Sombre(image, x, y + 1)) << x << "," << y + 1;
}

void AttendBordEpaisHorizontal(const QImage& image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        EXPECT_TRUE(Sombre(image, x, y + dy)) << x << "," << y + dy;
    EXPECT_FALSE(Sombre(image, x, y - 2)) << x << "," << y - 2;
    EXPECT_FALSE(Sombre(image, x, y + 2)) << x << "," << y + 2;
}

// Les quatre bords d'un cadre : haut et gauche fins, bas et droit épais.
void AttendCadreFinEpais(const QImage& image, int l, int t, int r, int b)
{
    const int mx = (l + r) / 2 + 7;
    const int my = (t + b) / 2 + 7;
    AttendBordFinHorizontal(image, mx, t);
    AttendBordFinVertical(image, l, my);
    AttendBordEpaisVertical(image, r, my);
    AttendBordEpaisHorizontal(image, mx, b);
}

// Textes écrits sur une page A4 à cette résolution.
template <typename Dessin>
std::vector<TTexteEcrit> TextesAResolution(int ppp, Dessin dessin)
{
    TEnregistreurTextes surface(PageA4(ppp).width(), PageA4(ppp).height(), ppp);
    QPainter p(&surface);
    dessin(p);
    p.end();
    return surface.Textes();
}

}  // namespace

TEST(PageImprimee, CadreDeLaPageEnPixelsDuPapier)
{
    const TCadrePage c = CadrePage({180, 205, 15, 15, {}}, QRect(0, 0, 5000, 7000), 600);
    EXPECT_EQ(c.L, 213);
    EXPECT_EQ(c.R, 4465);
    EXPECT_EQ(c.T, 213);
    EXPECT_EQ(c.B, 213 + Mm(205, 600));
    // Une page qui ne commence pas à l'origine décale le cadre d'autant ; les marges perdent 6 mm.
    const TCadrePage d = CadrePage({100, 150, 25, 30, {}}, QRect(40, 50, 3000, 3000), 300);
    EXPECT_EQ(d.L, 40 + Mm(19, 300));
    EXPECT_EQ(d.R, d.L + Mm(100, 300));
    EXPECT_EQ(d.T, 50 + Mm(24, 300));
    EXPECT_EQ(d.B, d.T + Mm(150, 300));
}

TEST(PageImprimee, CadresFinsEtEpaisALaResolutionDuPapier)
{
    TDocument doc = DocumentDesPages();
    const TValeursImpression v{180, 100, 15, 15, {}};
    QImage image = ImageGrise(4600, 3500, 600);
    QPainter p(&image);
    const TCadrePage c = PageDiagramme(TTypeDiagramme::Bode)(p, QRect(0, 0, 4600, 3500), 600, doc, v);
    p.end();
    EXPECT_EQ(c.L, 213);
    EXPECT_EQ(c.R, 4465);
    AttendCadreFinEpais(image, c.L, c.T, c.R, c.B);
    const int haut = c.B + Po(0.393L, 600);
    AttendCadreFinEpais(image, c.L, haut, c.R, haut + Po(0.983L, 600));
    // Rien entre le cadre du dessin et l'encadré de la formule.
    EXPECT_EQ(CompteCouleur(image.convertToFormat(QImage::Format_RGB32), qRgb(0, 0, 0), c.L, c.B + 3, c.R,
                            haut - 3),
              0);
}

TEST(PageImprimee, FormuleAvecRetardEtSignesALaResolutionDuPapier)
{
    const TDocument doc = DocumentAnalyse(PolynomeDeCoefs({1, 2, -1}), PolynomeDeCoefs({1, 3, 1}), 0.5L);
    const QImage support = ImageAResolution(1, 1, 600);
    const QRect page = PageA4(600);
    TDessinPlace dessin;
    const QPoint position(400, 1000);
    const TBlocPlace bloc = PlaceFormeDeveloppee(dessin, doc, position,
                                                 GabaritFormuleImprimee(doc, page, 9, 7, false, support), support);
    const int h = Arrondi(9 / 72.0L * 600);
    ASSERT_EQ(bloc.Taille, 9);
    const TTextePlace* kovra = TexteEn(dessin, "Kovra = ", position);
    ASSERT_NE(kovra, nullptr);
    const int xe = position.x() + kovra->Largeur;
    const TTextePlace* e = TexteEn(dessin, "e", QPoint(xe, position.y()));
    ASSERT_NE(e, nullptr);
    const QString exposant = QString::fromStdString(NombreEnTexte(-0.5L, 4)) + "p";
    const TTextePlace* retard = TexteEn(dessin, exposant, QPoint(xe + e->Largeur, position.y() - h / 2));
    ASSERT_NE(retard, nullptr);
    EXPECT_EQ(retard->TaillePoints, 7);
    EXPECT_NE(TexteEn(dessin, " x ", QPoint(retard->Position.x() + retard->Largeur, position.y())), nullptr);

    // Numérateur à h au-dessus de la ligne : -1 devant p² devient son signe, 1 garde le sien.
    const QStringList numerateur = TextesSurLigne(dessin, position.y() - h);
    ASSERT_FALSE(numerateur.isEmpty());
    EXPECT_EQ(numerateur.first(), "- p");
    EXPECT_EQ(numerateur.last(), QString::fromStdString(NombreEnTexte(1, 4)));
    EXPECT_EQ(TextesSurLigne(dessin, position.y() - h - h / 2), QStringList{"2"});
    const int yD = position.y() + Arrondi(1.2L * 9 / 72 * 600);
    EXPECT_EQ(TextesSurLigne(dessin, yD).first(), "+ p");

    // Barre à 0,007 x 9 pouces sous la ligne ; cadre à 2 mm des textes, bas par la taille demandée.
    const int marge = Mm(2, 600);
    ASSERT_EQ(dessin.Traits.size(), 1u);
    EXPECT_EQ(dessin.Traits[0].Ligne.y1(), position.y() + Arrondi(0.007L * 9 * 600));
    ASSERT_EQ(dessin.Cadres.size(), 1u);
    const TCadrePlace& cadre = dessin.Cadres[0];
    EXPECT_EQ(cadre.Coin1, QPoint(position.x() - marge, position.y() - h - h / 2 - marge));
    EXPECT_EQ(cadre.Coin2.y() - 1, yD + h + marge);
    EXPECT_EQ(cadre.Coin2.x() - 1, dessin.Traits[0].Ligne.x2() + marge);
    EXPECT_EQ(bloc.BasGauche, QPoint(cadre.Coin1.x(), cadre.Coin2.y() - 1));
}

TEST(PageImprimee, FormuleSansRetardEtRetrecieAuBordDeLaPage)
{
    TDocument doc = DocumentAnalyse(PolynomeDeCoefs({1.23456L, 2.5L, -3.25L, 4.125L, 5, 6, 7, 8, 9, 10, 11}),
                                    PolynomeDeCoefs({1, 3, 1}));
    const QImage support = ImageAResolution(1, 1, 600);
    TDessinPlace large;
    const QPoint position(200, 600);
    PlaceFormeDeveloppee(large, doc, position, GabaritFormuleImprimee(doc, PageA4(600), 9, 7, false, support),
                         support);
    EXPECT_EQ(large.Cherche("e"), nullptr);
    EXPECT_EQ(large.Cherche(" x "), nullptr);

    // Plus étroite que la fraction : les tailles baissent jusqu'à ce qu'elle tienne.
    const int finLarge = large.Traits[0].Ligne.x2();
    const QRect etroite(0, 0, finLarge - 200, 4000);
    TDessinPlace dessin;
    const TBlocPlace bloc = PlaceFormeDeveloppee(
        dessin, doc, position, GabaritFormuleImprimee(doc, etroite, 9, 7, false, support), support);
    EXPECT_LT(bloc.Taille, 9);
    EXPECT_EQ(bloc.Taille - bloc.TailleExposant, 2);
    EXPECT_LT(dessin.Traits[0].Ligne.x2(), etroite.width() - Mm(2, 600));
    // Trop étroite pour tout : l'exposant s'arrête à 2.
    TDessinPlace minuscule;
    const TBlocPlace plancher = PlaceFormeDeveloppee(
        minuscule, doc, position, GabaritFormuleImprimee(doc, QRect(0, 0, 300, 4000), 9, 7, false, support), support);
    EXPECT_EQ(plancher.TailleExposant, 2);
}

TEST(PageImprimee, NyquistRogneSonCadreAuDessin)
{
    TDocument doc = DocumentDesPages();
    const int ppp = 150;
    const TValeursImpression v = ValeursA4("Mon titre");
    QImage image = ImageGrise(PageA4(ppp).width(), PageA4(ppp).height(), ppp);
    QPainter p(&image);
    const TCadrePage fin = PageDiagramme(TTypeDiagramme::Nyquist)(p, PageA4(ppp), ppp, doc, v);
    p.end();
    const TCadrePage c = CadrePage(v, PageA4(ppp), ppp);
    EXPECT_EQ(fin.L, c.L);
    EXPECT_EQ(fin.T, c.T);
    EXPECT_LT(fin.B, c.B);
    AttendCadreFinEpais(image, fin.L, fin.T, fin.R, fin.B);
    // Plus rien du cadre entier sous le cadre rogné ; l'encadré suit le bas rogné.
    EXPECT_FALSE(Sombre(image, (c.L + c.R) / 2 + 7, c.B));
    const int haut = fin.B + Po(0.393L, ppp);
    AttendCadreFinEpais(image, fin.L, haut, fin.R, haut + Po(0.983L, ppp));
}

TEST(PageImprimee, TitreCentreDansLeCadrePresDeSonBas)
{
    const int ppp = 300;
    for (const TPageDeTest& page : CinqPages()) {
        TDocument doc = DocumentDesPages();
        const TValeursImpression v = ValeursA4("Essai de titre");
        TCadrePage c;
        const std::vector<TTexteEcrit> textes = TextesAResolution(ppp, [&](QPainter& p) {
            c = page.Imprime(p, PageA4(ppp), ppp, doc, v);
        });
        const TTexteEcrit* titre = Texte(textes, "Essai de titre");
        ASSERT_NE(titre, nullptr) << page.Nom;
        EXPECT_EQ(Occurrences(textes, "titre de l'écran"), 0) << page.Nom;
        EXPECT_EQ(Occurrences(textes, page.TitreDessin), 1) << page.Nom;
        EXPECT_EQ(Occurrences(textes, "Kovra = "), 1) << page.Nom;
        QFont police("Arial");
        police.setPixelSize(Arrondi(11 / 72.0L * ppp));
        const QImage support = ImageAResolution(1, 1, ppp);
        const QFontMetrics mesure(police, &support);
        EXPECT_EQ(Arrondi(titre->Position.x()), c.L + (c.R - c.L - mesure.horizontalAdvance("Essai de titre")) / 2)
            << page.Nom;
        const Reel hauteur = std::string(page.Nom) == "Nyquist" ? 0.217L : 0.22L;
        EXPECT_EQ(Arrondi(titre->Position.y()) - mesure.ascent(), c.B - Po(hauteur, ppp)) << page.Nom;

        // Sans titre, rien d'autre ne change.
        TDocument doc2 = DocumentDesPages();
        const std::vector<TTexteEcrit> sans = TextesAResolution(ppp, [&](QPainter& p) {
            page.Imprime(p, PageA4(ppp), ppp, doc2, ValeursA4());
        });
        EXPECT_EQ(sans.size() + 1, textes.size()) << page.Nom;
    }
}

TEST(PageImprimee, NoirEtBlancSansAucuneCouleurDuSchema)
{
    const int ppp = 100;
    for (const TPageDeTest& page : CinqPages())
        for (const bool couleur : {false, true}) {
            TDocument doc = DocumentDesPages();
            doc.ImpressionCouleur = couleur;
            QImage image = ImageAResolution(PageA4(ppp).width(), PageA4(ppp).height(), ppp);
            QPainter p(&image);
            page.Imprime(p, PageA4(ppp), ppp, doc, ValeursA4("Titre"));
            p.end();
            if (couleur)
                EXPECT_GT(CompteCouleur(image, Couleur(doc, "DCourbe"), 0, 0, image.width(), image.height()), 100)
                    << page.Nom;
            else
                EXPECT_EQ(PixelsColores(image), 0) << page.Nom;
        }
}

TEST(PageImprimee, TaillesAbsurdesImprimentEncoreLaFormule)
{
    // Largeur négative compensée par la marge, hauteur du dessin négative, marges négatives :
    // le dialogue ne contrôle que les sommes, la page doit se faire sans bloquer.
    const TValeursImpression absurdes[] = {{-50, 100, 150, 15, "x"}, {180, -30, 15, 40, "x"}, {250, 100, -100, -50, "x"}};
    for (const TValeursImpression& v : absurdes)
        for (const TPageDeTest& page : CinqPages()) {
            TDocument doc = DocumentDesPages();
            const std::vector<TTexteEcrit> textes = TextesAResolution(50, [&](QPainter& p) {
                page.Imprime(p, PageA4(50), 50, doc, v);
            });
            EXPECT_EQ(Occurrences(textes, "Kovra = "), 1) << page.Nom;
        }
}
