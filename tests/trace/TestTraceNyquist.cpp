// Diagramme de Nyquist : échantillons par décade, bornes des axes, échelles égales, normales
// des étiquettes, et faits lus sur l'image dessinée.
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <algorithm>
#include <initializer_list>
#include <limits>
#include <utility>

#include "AideImages.h"
#include "DocumentsDessin.h"
#include "PolynomesSaisis.h"
#include "coeur/TextesValeurs.h"
#include "trace/NormalesCourbe.h"
#include "trace/TraceNyquist.h"
#include "trace/ValeursAutomatiques.h"

namespace {
constexpr int Largeur = 1000;
constexpr int Hauteur = 700;

// 1/(p + 1) : demi-cercle de centre (0,5 ; 0) sous l'axe réel.
// Fréquences hors des décades : elles s'élargissent sans ambiguïté, ici de 0,001 à 100 Hz.
TParamNyquist Param(bool marques = true, Reel fmin = 0.005L, Reel fmax = 50)
{
    return {fmin, fmax, -0.5L, 1.5L, -1, 0.5L, {}, marques};
}

QImage Dessine(TDocumentEtTrace& doc, const TParamNyquist& param, std::optional<QRect>* cadre = nullptr,
               const TMiseEnPageNyquist& mise = TMiseEnPageNyquist::Ecran())
{
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    const std::optional<TTraceFrequentiel> trace = TracerNyquist(p, image.rect(), doc, param, mise);
    Garde(doc, trace);
    if (cadre)
        *cadre = trace ? std::optional<QRect>(trace->Cadre) : std::nullopt;
    return image;
}

bool Fini(const TPointFrequentiel& p)
{
    return std::isfinite(p.Valeur1) && std::isfinite(p.Valeur2);
}
}

TEST(TraceNyquist, UnNombreEntierDePointsParDecade)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    const struct {
        Reel Min, Max;
        int NbPoints;
    } cas[] = {{0.5L, 500, 2000}, {0.5L, 50, 1998}, {0.05L, 50000, 1995}, {2, 5, 2000}, {2, 2, 2000}};
    for (const auto& c : cas) {
        Dessine(doc, Param(false, c.Min, c.Max));
        EXPECT_EQ(doc.Trace.Echelles.NbPoints, c.NbPoints) << double(c.Min);
        // Chaque décade tombe sur un échantillon.
        const int parDecade = c.NbPoints / int(std::lround(doc.Trace.Echelles.LogFreqMax -
                                                           doc.Trace.Echelles.LogFreqMin));
        EXPECT_NEAR(double(doc.Trace.Points[parDecade].Frequence), double(10 * doc.Trace.Echelles.FreqMin),
                    1e-12 * double(doc.Trace.Echelles.FreqMin));
    }
}

TEST(TraceNyquist, BornesDesAxesAuPasSuivantVersLExterieur)
{
    const struct {
        Reel Min, Max, Pas, AttMin, AttMax;
    } cas[] = {{-2.3L, 0.7L, 0.2L, -2.4L, 0.8L}, {-2.4L, 0.8L, 0.2L, -2.4L, 0.8L}, {0, 1, 0.2L, 0, 1},
               {-3, 0, 0.5L, -3, 0}, {-0.05L, 0.05L, 0.02L, -0.06L, 0.06L}};
    for (const auto& c : cas) {
        const TBornes b = BornesNyquist(c.Min, c.Max, c.Pas);
        EXPECT_NEAR(double(b.Min), double(c.AttMin), 1e-15) << double(c.Min);
        EXPECT_NEAR(double(b.Max), double(c.AttMax), 1e-15) << double(c.Max);
    }
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    Dessine(doc, {0.1L, 10, -2.3L, 0.7L, -1, 0.5L, {}, false});
    EXPECT_NEAR(double(doc.Trace.Echelles.ReelMin), -2.4, 1e-15);
    EXPECT_NEAR(double(doc.Trace.Echelles.ReelMax), 0.8, 1e-15);
    EXPECT_NEAR(double(doc.Trace.Echelles.ImMin), -1, 1e-15);
    EXPECT_NEAR(double(doc.Trace.Echelles.ImMax), 0.5, 1e-15);
}

TEST(TraceNyquist, UneUniteALaMemeLongueurSurLesDeuxAxes)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    for (const QSize taille : {QSize(Largeur, Hauteur), QSize(400, 900)}) {
        QImage image(taille, QImage::Format_RGB32);
        QPainter p(&image);
        ASSERT_TRUE(Garde(doc, TracerNyquist(p, image.rect(), doc, Param(false), TMiseEnPageNyquist::Ecran())));
        // Le point basse fréquence (1, 0) et celui de ω = 1 rad/s, (0,5 ; -0,5).
        const TPointFrequentiel& a = doc.Trace.Points[0];
        int i = 0;
        while (DeuxPi * doc.Trace.Points[i].Frequence < 1)
            ++i;
        const TPointFrequentiel& b = doc.Trace.Points[i];
        const double parUniteX = (b.PixelX - a.PixelX) / double(b.Valeur1 - a.Valeur1);
        const double parUniteY = -(b.PixelY1 - a.PixelY1) / double(b.Valeur2 - a.Valeur2);
        EXPECT_GT(parUniteX, 100);
        EXPECT_NEAR(parUniteX / parUniteY, 1, 0.02) << taille.width();
    }
}

TEST(TraceNyquist, MarquesOuNonLesMemesEchantillons)
{
    TDocumentEtTrace avec = DocumentDeCoefs({1}, {0, 1, 1});
    TDocumentEtTrace sans = avec;
    Dessine(avec, {0.05L, 5, -2, 1, -3, 1, {}, true});
    Dessine(sans, {0.05L, 5, -2, 1, -3, 1, {}, false});
    ASSERT_EQ(avec.Trace.Echelles.NbPoints, 1998);
    for (int i = -2; i <= 1998; ++i) {
        const TPointFrequentiel& a = avec.Trace.Points[i];
        const TPointFrequentiel& s = sans.Trace.Points[i];
        ASSERT_EQ(a.Frequence, s.Frequence) << i;
        ASSERT_EQ(a.Valeur1, s.Valeur1) << i;
        ASSERT_EQ(a.Valeur2, s.Valeur2) << i;
        ASSERT_EQ(a.PixelX, s.PixelX) << i;
        ASSERT_EQ(a.PixelY1, s.PixelY1) << i;
    }
}

TEST(TraceNyquist, CourbeAuxPixelsGardesEtRienHorsDuCadre)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    // Axe réel coupé à 0,6 : le haut du demi-cercle sort par le bord droit.
    const QImage image = Dessine(doc, {0.001L, 100, -0.2L, 0.6L, -0.6L, 0.2L, {}, false});
    const QRgb courbe = Couleur(doc, "DCourbe");
    int gauche = Largeur, droite = 0, haut = Hauteur, bas = 0;
    for (int i = 0; i <= doc.Trace.Echelles.NbPoints; ++i) {
        const TPointFrequentiel& p = doc.Trace.Points[i];
        gauche = std::min(gauche, p.PixelX);
        droite = std::max(droite, p.PixelX);
        haut = std::min(haut, p.PixelY1);
        bas = std::max(bas, p.PixelY1);
        // Le dernier pixel d'une polyligne n'est pas peint : le dernier point n'est pas lu.
        if (p.Valeur1 < 0.6L && i % 40 == 0 && i < doc.Trace.Echelles.NbPoints) {
            EXPECT_EQ(image.pixel(p.PixelX, p.PixelY1), courbe) << i;
        }
    }
    // Les points hors du cadre y sont ramenés : leur boîte est dans le cadre, la courbe aussi.
    int dedans = 0;
    for (int y = 0; y < Hauteur; ++y)
        for (int x = 0; x < Largeur; ++x)
            if (image.pixel(x, y) == courbe) {
                ASSERT_TRUE(x >= gauche - 1 && x <= droite + 1 && y >= haut - 1 && y <= bas + 1) << x << "," << y;
                ++dedans;
            }
    EXPECT_GT(dedans, 300);
}

TEST(TraceNyquist, DisquesEtEtiquettesAuxDecades)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    const QImage image = Dessine(doc, Param(true));
    const QRgb disque = Couleur(doc, "DIntMarque");
    const int parDecade = doc.Trace.Echelles.NbPoints / 5;
    for (int e = 0; e <= 5; ++e) {
        const TPointFrequentiel& p = doc.Trace.Points[e * parDecade];
        EXPECT_GT(CompteCouleur(image, disque, p.PixelX - 2, p.PixelY1 - 2, p.PixelX + 2, p.PixelY1 + 2), 0) << e;
    }
    const std::vector<TTexteEcrit> textes = TextesEcrits(Largeur, Hauteur, [&](QPainter& p) {
        Garde(doc, TracerNyquist(p, QRect(0, 0, Largeur, Hauteur), doc, Param(true), TMiseEnPageNyquist::Ecran()));
    });
    // Chaque « 10 » est suivi de son exposant, une fois par décade ; 10² tombe à moins d'un
    // pixel de 10¹, près de l'origine : son étiquette couvrirait la précédente, elle est omise.
    QStringList exposants;
    for (std::size_t k = 0; k + 1 < textes.size(); ++k)
        if (textes[k].Texte == "10")
            exposants << textes[k + 1].Texte;
    EXPECT_EQ(exposants, (QStringList{"-3", "-2", "-1", "0", "1"}));
    EXPECT_EQ(Occurrences(textes, "Diagramme de Nyquist"), 1);
    const std::vector<TTexteEcrit> sans = TextesEcrits(Largeur, Hauteur, [&](QPainter& p) {
        Garde(doc, TracerNyquist(p, QRect(0, 0, Largeur, Hauteur), doc, Param(false), TMiseEnPageNyquist::Ecran()));
    });
    EXPECT_EQ(Occurrences(sans, "10"), 0);
    EXPECT_EQ(CompteCouleur(Dessine(doc, Param(false)), disque, 0, 0, Largeur - 1, Hauteur - 1), 0);
}

// Une décade hors du cadre n'a pas de disque ramené au bord, là où la courbe ne passe pas,
// et aucune étiquette de décade ne couvre un autre texte, même où la courbe ralentit.
TEST(TraceNyquist, AucuneMarqueHorsDuCadreNiEtiquetteEmpilee)
{
    const struct {
        const char* Nom;
        TDocumentEtTrace Doc;
        std::optional<TParamNyquist> Param;  // sinon les échelles automatiques
    } cas[] = {
        {"1/(p(p+1))", DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({0, 1, 1})), std::nullopt},
        {"10/(p+1)^3", DocumentAnalyse(PolynomeDeCoefs({10}), PolynomeDeCoefs({1, 3, 3, 1})), std::nullopt},
        {"retard 0,5 s", DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1}), 0.5L), std::nullopt},
    };
    std::size_t etiquettes = 0;
    for (auto c : cas) {
        TDocumentEtTrace& doc = c.Doc;
        const TParamNyquist param = c.Param.value_or(TParamNyquist{doc.EchellesAuto.FreqBasseAuto, doc.EchellesAuto.FreqHauteAuto, doc.EchellesAuto.ReMinAuto,
                                                                   doc.EchellesAuto.ReMaxAuto, doc.EchellesAuto.ImMinAuto, doc.EchellesAuto.ImMaxAuto, {}, true});
        for (const TParamNyquist& p : {param, TParamNyquist{param.FreqMin, param.FreqMax, -2, 0.5L, -3, 0.5L, {}, true}}) {
            const QImage image = Dessine(doc, p);
            const TEchellesFrequentielles& e = doc.Trace.Echelles;
            const int decades = int(std::lround(e.LogFreqMax - e.LogFreqMin));
            std::vector<QPoint> dedans;
            for (int i = 0; i <= e.NbPoints; i += e.NbPoints / decades) {
                const TPointFrequentiel& d = doc.Trace.Points[i];
                if (d.Valeur1 >= e.ReelMin && d.Valeur1 <= e.ReelMax && d.Valeur2 >= e.ImMin && d.Valeur2 <= e.ImMax)
                    dedans.push_back({d.PixelX, d.PixelY1});
            }
            const QRgb disque = Couleur(doc, "DIntMarque");
            for (int y = 0; y < Hauteur; ++y)
                for (int x = 0; x < Largeur; ++x)
                    if (image.pixel(x, y) == disque)
                        ASSERT_TRUE(std::any_of(dedans.begin(), dedans.end(), [&](QPoint q) {
                            return std::abs(q.x() - x) <= 3 && std::abs(q.y() - y) <= 3;
                        })) << c.Nom << " " << x << "," << y;
            const std::vector<TTexteEcrit> textes = TextesEcrits(Largeur, Hauteur, [&](QPainter& painter) {
                Garde(doc, TracerNyquist(painter, QRect(0, 0, Largeur, Hauteur), doc, p, TMiseEnPageNyquist::Ecran()));
            });
            const TTexteEcrit* couvert = TexteCouvert(textes);
            EXPECT_EQ(couvert, nullptr) << c.Nom << " couvre " << (couvert ? couvert->Texte.toStdString() : "");
            etiquettes += EtiquettesDecades(textes).size();
        }
    }
    EXPECT_GE(etiquettes, 6u);
    // L'exemple d'un utilisateur : 10⁻² tombe en (-0,996 ; -15,9), bien sous Y minimum = -3.
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {0, 1, 1});
    const TParamNyquist p{0.01L, 10, -2, 0.5L, -3, 0.5L, {}, true};
    const QImage image = Dessine(doc, p);
    const TPointFrequentiel& centieme = doc.Trace.Points[0];
    ASSERT_LT(centieme.Valeur2, -15);
    EXPECT_EQ(CompteCouleur(image, Couleur(doc, "DIntMarque"), centieme.PixelX - 4, centieme.PixelY1 - 4,
                            centieme.PixelX + 4, centieme.PixelY1 + 4),
              0);
    const std::vector<TTexteEcrit> textes = TextesEcrits(Largeur, Hauteur, [&](QPainter& painter) {
        Garde(doc, TracerNyquist(painter, QRect(0, 0, Largeur, Hauteur), doc, p, TMiseEnPageNyquist::Ecran()));
    });
    for (const TEtiquetteDecade& e : EtiquettesDecades(textes))
        EXPECT_NE(e.Exposant, "-2");
}

// Sur le demi-cercle de 1/(p+1), de centre (0,5 ; 0), chaque étiquette est à l'extérieur :
// plus loin du centre que son point, jamais sur la courbe ni dedans.
TEST(TraceNyquist, EtiquettesALExterieurDuDemiCercle)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    const std::vector<TTexteEcrit> textes = TextesEcrits(Largeur, Hauteur, [&](QPainter& p) {
        Garde(doc, TracerNyquist(p, QRect(0, 0, Largeur, Hauteur), doc, Param(true), TMiseEnPageNyquist::Ecran()));
    });
    const TEchellesFrequentielles& e = doc.Trace.Echelles;
    const TPointFrequentiel& un = doc.Trace.Points[0];           // (1, 0)
    const TPointFrequentiel& zero = doc.Trace.Points[e.NbPoints];  // l'origine
    const QPointF centre((un.PixelX + zero.PixelX) / 2.0, (un.PixelY1 + zero.PixelY1) / 2.0);
    const int parDecade = e.NbPoints / 5;
    int vues = 0;
    for (const TEtiquetteDecade& etiquette : EtiquettesDecades(textes)) {
        const int exposant = etiquette.Exposant.toInt();
        // Le milieu du demi-cercle : 0,01 Hz, 0,1 Hz et 1 Hz, loin des deux bouts.
        if (exposant < -2 || exposant > 0)
            continue;
        const TPointFrequentiel& point = doc.Trace.Points[(exposant + 3) * parDecade];
        const QPointF p(point.PixelX, point.PixelY1);
        const QPointF milieu = etiquette.Boite.center();
        const auto distance = [&](QPointF a) { return std::hypot(a.x() - centre.x(), a.y() - centre.y()); };
        EXPECT_GT(distance(milieu), distance(p) + 5) << exposant;
        ++vues;
    }
    EXPECT_EQ(vues, 3);
}

TEST(TraceNyquist, GraduationsAuxMultiplesDuPasZeroCompris)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    const std::vector<TTexteEcrit> textes = TextesEcrits(Largeur, Hauteur, [&](QPainter& p) {
        Garde(doc, TracerNyquist(p, QRect(0, 0, Largeur, Hauteur), doc, {0.1L, 10, -2.3L, 0.7L, -1, 0.5L, {}, false},
                      TMiseEnPageNyquist::Ecran()));
    });
    // Réel de -2,4 à 0,8 par 0,2, imaginaire de -1 à 0,5 par 0,1 : zéro sur chaque axe.
    EXPECT_EQ(Occurrences(textes, QString::fromStdString(NombreEnTexte(0, 4))), 2);
    EXPECT_EQ(Occurrences(textes, QString::fromStdString(NombreEnTexte(-2.4L, 4))), 1);
    EXPECT_EQ(Occurrences(textes, QString::fromStdString(NombreEnTexte(0.8L, 4))), 1);
    EXPECT_EQ(Occurrences(textes, QString::fromStdString(NombreEnTexte(-0.3L, 4))), 1);
}

TEST(TraceNyquist, UnPoleSurUneDecadeLaisseUnTrouSansMarque)
{
    // p² + ω² avec ω = 2π·10 : le pôle tombe sur l'échantillon de la décade 10 Hz.
    const Reel w = DeuxPi * 10;
    TDocumentEtTrace doc = DocumentDeCoefs({w * w}, {w * w, 0, 1});
    const TParamNyquist param{1, 100, -3, 1, -1, 1, {}, true};
    std::optional<QRect> cadre;
    const QImage image = Dessine(doc, param, &cadre);
    ASSERT_TRUE(cadre);
    const TPointFrequentiel& pole = doc.Trace.Points[1000];
    EXPECT_FALSE(Fini(pole));
    EXPECT_EQ(pole.PixelX, PixelAbsent);
    EXPECT_EQ(pole.PixelY1, PixelAbsent);
    // La courbe reprend après le pôle, la décade suivante garde son disque.
    const TPointFrequentiel& fin = doc.Trace.Points[2000];
    EXPECT_GT(CompteCouleur(image, Couleur(doc, "DIntMarque"), fin.PixelX - 2, fin.PixelY1 - 2, fin.PixelX + 2,
                            fin.PixelY1 + 2),
              0);
    const std::vector<TTexteEcrit> textes = TextesEcrits(Largeur, Hauteur, [&](QPainter& p) {
        Garde(doc, TracerNyquist(p, QRect(0, 0, Largeur, Hauteur), doc, param, TMiseEnPageNyquist::Ecran()));
    });
    // 1 Hz tombe en (1,01 ; 0), au-delà de X maximum = 1 : ni disque ni étiquette ; 100 Hz en a un.
    EXPECT_EQ(Occurrences(textes, "10"), 1);
}

TEST(TraceNyquist, EtenduesTropGrandesPourUnPixelParUniteCadrePlat)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    std::optional<QRect> cadre;
    Dessine(doc, {0.5L, 5, -1e6L, 1e6L, -1e6L, 1e6L, {}, true}, &cadre);
    ASSERT_TRUE(cadre);
    ASSERT_EQ(doc.Trace.Echelles.NbPoints, 2000);
    for (int i = 0; i <= 2000; i += 100)
        EXPECT_EQ(doc.Trace.Points[i].PixelY1, doc.Trace.Points[0].PixelY1) << i;
}

TEST(TraceNyquist, CiblesTropPetitesOuEchellesImpossiblesRienNestGarde)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    for (const QRect cible : {QRect(0, 0, 40, 300), QRect(0, 0, 300, 30), QRect(0, 0, 0, 0)}) {
        QImage image(300, 300, QImage::Format_RGB32);
        QPainter p(&image);
        EXPECT_FALSE(Garde(doc, TracerNyquist(p, cible, doc, Param(true), TMiseEnPageNyquist::Ecran()))) << cible.width();
        EXPECT_EQ(doc.Trace.Echelles.NbPoints, 0);
    }
    for (const TParamNyquist& param : {TParamNyquist{0, 10, -1, 1, -1, 1, {}, true},
                                       TParamNyquist{0.1L, 10, 0, 0, -1, 1, {}, true},
                                       TParamNyquist{0.1L, 10, -1e4932L, 1e4932L, -1, 1, {}, true}}) {
        std::optional<QRect> cadre = QRect();
        Dessine(doc, param, &cadre);
        EXPECT_FALSE(cadre);
    }
}

// La page trace plus de points que l'écran n'en relit : son relevé n'en garde aucun.
TEST(TraceNyquist, LaPageRendSonCadreRogneSansPointsALire)
{
    const TDocument doc = DocumentDeCoefs({1}, {1, 1});
    const QRect cible(100, 50, 800, 600);
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    QPainter p(&image);
    const std::optional<TTraceFrequentiel> trace =
        TracerNyquist(p, cible, doc, Param(true, 0.005L, 5000), TMiseEnPageNyquist::Page(600, false));
    ASSERT_TRUE(trace);
    EXPECT_EQ(trace->Cadre.topLeft(), cible.topLeft());
    EXPECT_LT(trace->Cadre.right(), cible.right());
    EXPECT_EQ(trace->Echelles.NbPoints, 0);
    EXPECT_NEAR(double(trace->Echelles.FreqMin), 0.001, 1e-18);
}

// Sur un cercle parcouru dans un sens ou dans l'autre, l'étiquette part vers l'extérieur.
TEST(NormalesCourbe, EtiquetteDuCoteOpposeAuCentreDeCourbure)
{
    for (const Reel sens : {1.0L, -1.0L})
        for (const Reel depart : {0.3L, 2.0L, 4.0L}) {
            TNormalesCourbe normales;
            Reel x = 0, y = 0;
            for (int k = 0; k < 5; ++k) {
                const Reel angle = depart + sens * k * 0.05L;
                x = 3 + 2 * std::cos(angle);
                y = -1 + 2 * std::sin(angle);
                normales.Avance(x, y);
            }
            const std::optional<TDirection> d = normales.DirectionEtiquette();
            ASSERT_TRUE(d);
            EXPECT_NEAR(double(d->X * d->X + d->Y * d->Y), 1, 1e-12);
            // Le long du rayon, vers l'extérieur.
            EXPECT_GT(double(d->X * (x - 3) + d->Y * (y + 1)), 1.9) << double(sens) << " " << double(depart);
        }
}

TEST(NormalesCourbe, PentesInfiniesRemplaceesEtPointsNonFinisSansDirection)
{
    const Reel inf = std::numeric_limits<Reel>::infinity();
    const Reel nan = std::numeric_limits<Reel>::quiet_NaN();
    const struct {
        TComplexe A, B;
        bool Direction;
    } cas[] = {
        {{2, 5}, {2, 5}, true},          // deux échantillons confondus
        {{2, 5}, {2, 7}, true},          // corde verticale
        {{2, 5}, {4, 5}, true},          // corde horizontale : normale verticale
        {{2, 5}, {2 + 1e-4900L, 7}, true},  // pente qui déborde
        {{2, 5}, {inf, 5}, false},
        {{nan, 5}, {2, 5}, false},
        {{2, 5}, {nan, nan}, false},
    };
    for (const auto& c : cas) {
        TNormalesCourbe normales;
        normales.Avance(c.A.Re, c.A.Im);
        normales.Avance(c.B.Re, c.B.Im);
        const std::optional<TDirection> d = normales.DirectionEtiquette();
        ASSERT_EQ(d.has_value(), c.Direction) << double(c.B.Re) << "," << double(c.B.Im);
        if (d) {
            EXPECT_TRUE(std::isfinite(d->X) && std::isfinite(d->Y));
            EXPECT_NEAR(double(d->X * d->X + d->Y * d->Y), 1, 1e-12);
        }
    }
    // Après un point non fini, la normale revient avec le point suivant.
    TNormalesCourbe normales;
    for (const TComplexe z : {TComplexe{1, 2}, TComplexe{nan, 0}, TComplexe{2, 3}, TComplexe{3, 3}})
        normales.Avance(z.Re, z.Im);
    EXPECT_TRUE(normales.DirectionEtiquette());
}

// Un intégrateur sur toute sa courbe : la partie imaginaire s'étend sur 1700 unités, la
// réelle sur une ; le cadre n'a que quelques pixels de large. Ni ses graduations ni son nom
// ne se chevauchent ni ne sortent de l'image.
TEST(TraceNyquist, CadreEtroitSansTexteEmpileNiCoupe)
{
    TDocumentEtTrace doc = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({0, 1, 1}));
    const TParamNyquist automatiques = ParamAutoNyquist(doc);
    const TParamNyquist etroit{automatiques.FreqMin, automatiques.FreqMax, -1, 0.001L, -1700, 0.001L, {}, true};
    // Et l'inverse : l'axe réel sur 1000 unités écrase l'imaginaire en quelques pixels de haut.
    const TParamNyquist plat{automatiques.FreqMin, automatiques.FreqMax, -1000, 0, -1, 0.5L, {}, true};
    for (const auto& [taille, param] : {std::pair{QSize(800, 600), etroit},
                                        std::pair{QSize(1920, 1080), etroit},
                                        std::pair{QSize(1920, 1080), automatiques},
                                        std::pair{QSize(1920, 1080), plat}}) {
        const std::vector<TTexteEcrit> textes = TextesEcrits(taille.width(), taille.height(), [&](QPainter& p) {
            Garde(doc, TracerNyquist(p, QRect(QPoint(0, 0), taille), doc, param, TMiseEnPageNyquist::Ecran()));
        });
        ASSERT_EQ(Occurrences(textes, QStringLiteral("Diagramme de Nyquist")), 1);
        for (std::size_t i = 0; i < textes.size(); ++i) {
            EXPECT_GE(textes[i].Boite.left(), 0) << textes[i].Texte.toStdString();
            for (std::size_t k = i + 1; k < textes.size(); ++k)
                EXPECT_FALSE(textes[i].Boite.adjusted(1, 1, -1, -1).intersects(textes[k].Boite.adjusted(1, 1, -1, -1)))
                    << textes[i].Texte.toStdString() << " / " << textes[k].Texte.toStdString();
        }
    }
}

