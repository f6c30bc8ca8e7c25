// Diagramme de Black et abaque de Nichols : grilles, axe horizontal, miroir des lieux,
// étiquettes, et faits lus sur l'image dessinée.
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>

#include "AideImages.h"
#include "DocumentsDessin.h"
#include "PolynomesSaisis.h"
#include "coeur/TextesValeurs.h"
#include "numerique/VersBoucleOuverte.h"
#include "trace/TraceBlack.h"

namespace {
constexpr int Largeur = 1000;
constexpr int Hauteur = 700;

bool Trace(QPainter& p, TDocumentEtTrace& doc, const TParamBlack& param,
           const TMiseEnPageBlack& mise = TMiseEnPageBlack::Ecran())
{
    return Garde(doc, TracerBlack(p, QRect(0, 0, Largeur, Hauteur), doc, param, mise));
}

QImage Dessine(TDocumentEtTrace& doc, const TParamBlack& param)
{
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    Trace(p, doc, param);
    return image;
}

std::vector<TTexteEcrit> Textes(TDocumentEtTrace& doc, const TParamBlack& param,
                                const TMiseEnPageBlack& mise = TMiseEnPageBlack::Ecran())
{
    return TextesEcrits(Largeur, Hauteur, [&](QPainter& p) { Trace(p, doc, param, mise); });
}

// Cadre de l'écran : 5 % à 95 % en largeur, 5 % à 90 % en hauteur.
TRepere Cadre(const TDocumentEtTrace& doc)
{
    const TEchellesFrequentielles& e = doc.Trace.Echelles;
    return {50, 35, 950, 630, e.PhaseMin, e.GainMin, e.PhaseMax, e.GainMax};
}

QPoint Pixel(const TDocumentEtTrace& doc, Reel phase, Reel gain)
{
    const std::optional<TPixel> p = VersPixel(Cadre(doc), phase, gain);
    return p ? QPoint(p->X, p->Y) : QPoint(-1, -1);
}

// 1/(p(p + 1)) sur 0,01 à 100 Hz.
const TParamBlack ParamIntegrateur{0.001L, 100, -80, 40, {}, true, false};
}

TEST(TraceBlack, GainDeLAxeHorizontal)
{
    EXPECT_EQ(GainReference(-30, 10), 0);
    EXPECT_EQ(GainReference(4, 40), 4);
    EXPECT_EQ(GainReference(-40, -4), -4);
    EXPECT_EQ(GainReference(0, 40), 0);
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {0, 1, 1});
    const QImage image = Dessine(doc, {0.01L, 100, -30, 10, {}, false, false});
    const QPoint zero = Pixel(doc, -300, 0);
    EXPECT_EQ(image.pixel(zero), Couleur(doc, "DAxe"));
    const QPoint axeVertical = Pixel(doc, -180, -25);
    EXPECT_EQ(image.pixel(axeVertical), Couleur(doc, "DAxe"));
}

TEST(TraceBlack, GrilleFineUneEtiquetteDeGainSurDeuxEtLesPhasesTousLes20Degres)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {0, 1, 1});
    // Étendue 50 dB, grille fine : pas de 2 dB, étiquettes aux multiples de 4 ; -20 est
    // aussi une phase.
    const std::vector<TTexteEcrit> fins = Textes(doc, {0.01L, 100, -30, 20, {}, false, true});
    EXPECT_TRUE(doc.Trace.Echelles.QuadrillageFin);
    for (int g = -28; g <= 20; g += 4)
        EXPECT_EQ(Occurrences(fins, QString::fromStdString(NombreEnTexte(g, 2))), g == -20 ? 2 : 1) << g;
    for (const int g : {-30, -26, 6, 10, 18})
        EXPECT_EQ(Occurrences(fins, QString::fromStdString(NombreEnTexte(g, 2))), 0) << g;
    for (int phase = -360; phase <= 0; phase += 20)
        EXPECT_EQ(Occurrences(fins, QString::number(phase)), phase == -20 ? 2 : 1) << phase;
    for (const int phase : {-350, -170, -10})
        EXPECT_EQ(Occurrences(fins, QString::number(phase)), 0) << phase;

    // Sans grille fine : pas de 5 dB, toutes les lignes écrites ; phases tous les 45°.
    doc.PhaseSymetrique = true;
    const std::vector<TTexteEcrit> normaux = Textes(doc, {0.01L, 100, -30, 20, {}, false, false});
    EXPECT_FALSE(doc.Trace.Echelles.QuadrillageFin);
    for (int phase = -180; phase <= 180; phase += 45)
        EXPECT_EQ(Occurrences(normaux, QString::number(phase)), 1) << phase;
    EXPECT_EQ(Occurrences(normaux, QString::number(-160)), 0);
    for (const int g : {-30, -25, 5, 20})
        EXPECT_EQ(Occurrences(normaux, QString::fromStdString(NombreEnTexte(g, 2))), 1) << g;
    EXPECT_EQ(Occurrences(normaux, QString::fromStdString(NombreEnTexte(-28, 2))), 0);
}

TEST(TraceBlack, PointsGardesEnBoucleOuverteEtFermee)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {0, 1, 1});
    Dessine(doc, ParamIntegrateur);
    ASSERT_EQ(doc.Trace.Echelles.NbPoints, 2000);
    for (const int i : {-2, 0, 777, 2000}) {
        const TPointFrequentiel& p = doc.Trace.Points[i];
        const Reel w = DeuxPi * p.Frequence;
        EXPECT_NEAR(double(p.Valeur2), double(-20 * Log10(w * std::sqrt(1 + w * w))), 1e-9) << i;
        EXPECT_NEAR(double(p.Valeur1), double(-90 - std::atan(w) * 180 / Pi), 1e-9) << i;
        // F = 1/(p² + p + 1)
        const Reel re = 1 - w * w;
        EXPECT_NEAR(double(p.Valeur3), double(-10 * Log10(re * re + w * w)), 1e-9) << i;
        EXPECT_NEAR(double(p.Valeur4), double(-std::atan2(w, re) * 180 / Pi), 1e-9) << i;
    }
}

TEST(TraceBlack, CourbeAuxPixelsGardesDisquesAuxDecadesRienHorsDuCadre)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {0, 1, 1});
    const QImage image = Dessine(doc, ParamIntegrateur);
    const TRepere r = Cadre(doc);
    const QRgb courbe = Couleur(doc, "DCourbe");
    const QRgb disque = Couleur(doc, "DIntMarque");
    // Cinq décades de 0,001 à 100 Hz.
    const int parDecade = doc.Trace.Echelles.NbPoints / 5;
    for (int i = 0; i <= 2000; i += 50) {
        const TPointFrequentiel& p = doc.Trace.Points[i];
        const bool dedans = !VersPixel(r, p.Valeur1, p.Valeur2)->Dehors;
        // Un disque à chaque décade dans le cadre, aucun pour celles qui en sortent.
        if (i % parDecade == 0) {
            EXPECT_EQ(CompteCouleur(image, disque, p.PixelX - 2, p.PixelY1 - 2, p.PixelX + 2, p.PixelY1 + 2) > 0,
                      dedans)
                << i;
        } else if (dedans) {
            EXPECT_EQ(image.pixel(p.PixelX, p.PixelY1), courbe) << i;
        }
    }
    ASSERT_EQ(parDecade, 400);
    int traces = 0;
    for (int y = 0; y < Hauteur; ++y)
        for (int x = 0; x < Largeur; ++x)
            if (image.pixel(x, y) == courbe) {
                ASSERT_TRUE(x >= r.PixGauche && x <= r.PixDroite && y >= r.PixHaut && y <= r.PixBas) << x << "," << y;
                ++traces;
            }
    EXPECT_GT(traces, 300);
    EXPECT_TRUE(VersPixel(r, doc.Trace.Points[0].Valeur1, doc.Trace.Points[0].Valeur2)->Dehors);
    // Étiquettes des décades -2 à 2 : celles qui tombent dans le cadre.
    const std::vector<TTexteEcrit> textes = Textes(doc, ParamIntegrateur);
    EXPECT_GE(Occurrences(textes, "10"), 4);
}

// (p² + 1)/(p + 1)³ : la phase bascule de 180° en passant le zéro à 1 rad/s. En plage fixe,
// ces deux échantillons ne sont pas reliés : pas de trait horizontal à travers le diagramme.
TEST(TraceBlack, UnSautDePhaseDe30DegresOuPlusNEstPasRelie)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1, 0, 1}, {1, 3, 3, 1});
    doc.PhaseSymetrique = true;
    const QImage image = Dessine(doc, {0.01L, 10, -100, 20, {}, false, false});
    const QRgb courbe = Couleur(doc, "DCourbe");
    int sauts = 0;
    for (int i = 1; i <= doc.Trace.Echelles.NbPoints; ++i) {
        const TPointFrequentiel& a = doc.Trace.Points[i - 1];
        const TPointFrequentiel& b = doc.Trace.Points[i];
        if (std::abs(a.Valeur1 - b.Valeur1) < 30)
            continue;
        ++sauts;
        const QPoint milieu((a.PixelX + b.PixelX) / 2, (a.PixelY1 + b.PixelY1) / 2);
        EXPECT_EQ(CompteCouleur(image, courbe, milieu.x() - 2, milieu.y() - 2, milieu.x() + 2, milieu.y() + 2), 0) << i;
    }
    EXPECT_EQ(sauts, 1);
}

// Une seule décade, de 1 à 10 Hz : un disque à chacun de ses deux bouts.
TEST(TraceBlack, UneDecadeSeuleADeuxDisques)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    const QImage image = Dessine(doc, {1, 10, -40, 5, {}, true, false});
    ASSERT_EQ(doc.Trace.Echelles.NbPoints, 2000);
    const QRgb disque = Couleur(doc, "DIntMarque");
    for (const int i : {0, 2000}) {
        const TPointFrequentiel& p = doc.Trace.Points[i];
        EXPECT_GT(CompteCouleur(image, disque, p.PixelX - 1, p.PixelY1 - 1, p.PixelX + 1, p.PixelY1 + 1), 0) << i;
    }
    // Et chacune son étiquette, la première décade comprise.
    QStringList exposants;
    for (const TEtiquetteDecade& e : EtiquettesDecades(Textes(doc, {1, 10, -40, 5, {}, true, false})))
        exposants << e.Exposant;
    EXPECT_EQ(exposants, (QStringList{"0", "1"}));
    // Rien d'autre que ces deux disques.
    const TPointFrequentiel& debut = doc.Trace.Points[0];
    const TPointFrequentiel& fin = doc.Trace.Points[2000];
    EXPECT_EQ(CompteCouleur(image, disque, 0, 0, Largeur - 1, Hauteur - 1),
              CompteCouleur(image, disque, debut.PixelX - 4, debut.PixelY1 - 4, debut.PixelX + 4, debut.PixelY1 + 4) +
                  CompteCouleur(image, disque, fin.PixelX - 4, fin.PixelY1 - 4, fin.PixelX + 4, fin.PixelY1 + 4));
}

// Avec un retard, en phase continue : une seule courbe sur un axe élargi, l'abaque répétée à
// chaque tour, et aucune étiquette de décade sur un autre texte.
TEST(TraceBlack, PhaseContinueDUnRetardUneSeuleCourbeEtAbaqueRepetee)
{
    TDocumentEtTrace doc = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1}), 0.5L);
    doc.PhaseContinue = true;
    doc.AbaqueVisible = true;
    const TParamBlack param{0.01L, 10, -60, 10, {}, true, false};
    const QImage image = Dessine(doc, param);
    const TEchellesFrequentielles& e = doc.Trace.Echelles;
    // -atan(ω) - 0,5·ω rad, sans tour de trop ni de moins, de 0,01 à 10 Hz.
    for (const int i : {0, e.NbPoints}) {
        const Reel w = DeuxPi * doc.Trace.Points[i].Frequence;
        EXPECT_NEAR(double(doc.Trace.Points[i].Valeur1), double(-(std::atan(w) + 0.5L * w) * 180 / Pi), 1e-6);
    }
    EXPECT_LE(e.PhaseMin, doc.Trace.Points[e.NbPoints].Valeur1);
    EXPECT_EQ(e.PhaseMax, 0);
    const QRgb courbe = Couleur(doc, "DCourbe");
    for (int i = 1; i <= e.NbPoints; ++i)
        ASSERT_LT(doc.Trace.Points[i].Valeur1, doc.Trace.Points[i - 1].Valeur1) << i;
    // Loin des marques des décades (0, 666, 1332, 1998), la courbe passe à chaque point gardé.
    for (const int i : {300, 500, 900, 1100, 1500, 1800}) {
        const TPointFrequentiel& p = doc.Trace.Points[i];
        EXPECT_GT(CompteCouleur(image, courbe, p.PixelX - 1, p.PixelY1 - 1, p.PixelX + 1, p.PixelY1 + 1), 0) << i;
    }
    const std::vector<TTexteEcrit> textes = Textes(doc, param);
    const int tours = int(std::ceil(double(-e.PhaseMin) / 360));
    EXPECT_GE(tours, 5);
    EXPECT_EQ(Occurrences(textes, " -3 dB"), tours);
    const TTexteEcrit* couvert = TexteCouvert(textes);
    EXPECT_EQ(couvert, nullptr) << (couvert ? couvert->Texte.toStdString() : "");
}

// Le même retard sur six décades : la phase tourne cinq cents fois, mais quatre-vingts tours
// seulement au-dessus de -60 dB. L'axe couvre ce qui se dessine dans la plage des gains, pas
// la courbe sous le cadre ; il garde quelques graduations rondes, côte à côte même dans une
// petite fenêtre ; ni l'axe vertical ni l'abaque ne se répètent sur des tours de deux pixels,
// qui rempliraient le cadre.
TEST(TraceBlack, PhaseContinueDUnRetardSurSixDecadesResteLisible)
{
    TDocumentEtTrace doc = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1}), 0.5L);
    doc.PhaseContinue = true;
    doc.AbaqueVisible = true;
    const TParamBlack param{0.001L, 1000, -60, 0, {}, false, false};
    for (const QSize taille : {QSize(Largeur, Hauteur), QSize(420, 300), QSize(250, 200)}) {
        const std::vector<TTexteEcrit> textes = TextesEcrits(taille.width(), taille.height(), [&](QPainter& p) {
            Garde(doc, TracerBlack(p, QRect(QPoint(0, 0), taille), doc, param, TMiseEnPageBlack::Ecran()));
        });
        const QRectF sousLeCadre(0, 0.9 * taille.height() + 1, taille.width(), taille.height());
        AttendPhasesLisibles(NombresDans(textes, sousLeCadre));
        EXPECT_EQ(Occurrences(textes, " -3 dB"), 0) << taille.width();
    }
    const QImage image = Dessine(doc, param);
    // |H| = 1/1000 où ω² = 10⁶ - 1 ; la phase y vaut -atan(ω) - 0,5·ω rad.
    const Reel w = std::sqrt(Reel(999999));
    const Reel phaseAuBord = -(std::atan(w) + 0.5L * w) * 180 / Pi;
    EXPECT_LE(doc.Trace.Echelles.PhaseMin, phaseAuBord);
    EXPECT_GT(doc.Trace.Echelles.PhaseMin, 1.2L * phaseAuBord);
    EXPECT_EQ(doc.Trace.Echelles.PhaseMax, 0);
    const int axe = CompteCouleur(image, Couleur(doc, "DAxe"), 60, 45, 940, 620);
    EXPECT_LT(axe, 880 * 575 / 50);
}

// Quatre échantillons par décade : le segment qui sort par le bas du cadre y est tracé jusqu'au
// bord, et l'axe des phases va jusqu'à la phase où il le coupe, pas seulement jusqu'au dernier
// échantillon dans le cadre.
TEST(TraceBlack, PhaseContinueLAxeVaJusquOuLaCourbeSortDuCadre)
{
    TDocumentEtTrace doc = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1}), 0.5L);
    doc.PhaseContinue = true;
    TMiseEnPageBlack mise = TMiseEnPageBlack::Ecran();
    mise.PointsParDecade = 4;
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    QPainter p(&image);
    ASSERT_TRUE(Garde(doc, TracerBlack(p, image.rect(), doc, {1, 10, -24, 0, {}, false, false}, mise)));
    const TEchellesFrequentielles& e = doc.Trace.Echelles;
    // Gain et phase continue de 1/(1 + jω).e^(-0,5jω) aux fréquences 10^(k/4).
    const auto gain = [](Reel f) { return -10 * std::log10(1 + DeuxPi * f * DeuxPi * f); };
    const auto phase = [](Reel f) { return -(std::atan(DeuxPi * f) + 0.5L * DeuxPi * f) * 180 / Pi; };
    int k = 0;
    while (gain(std::pow(Reel(10), (k + 1) / Reel(4))) >= e.GainMin)
        ++k;
    const Reel fa = std::pow(Reel(10), k / Reel(4));
    const Reel fb = std::pow(Reel(10), (k + 1) / Reel(4));
    const Reel coupe = phase(fa) + (phase(fb) - phase(fa)) * (e.GainMin - gain(fa)) / (gain(fb) - gain(fa));
    EXPECT_LE(e.PhaseMin, coupe);
    EXPECT_GT(e.PhaseMin, coupe - 90);
}

TEST(TraceBlack, LesLieuxDeGainEnMiroirDansLesDeuxPlages)
{
    EXPECT_EQ(Miroir(-30, true), 30);
    EXPECT_EQ(Miroir(-30, false), -330);
    EXPECT_EQ(Miroir(-180, false), -180);
    for (const bool symetrique : {false, true}) {
        TDocumentEtTrace doc = DocumentDeCoefs({1}, {0, 1, 1});
        doc.PhaseSymetrique = symetrique;
        doc.AbaqueGains = {-3};
        doc.AbaquePhases = {};
        doc.AbaqueVisible = true;
        // Hors de la courbe (gains positifs seulement) : le lieu de -3 dB reste lisible.
        const QImage image = Dessine(doc, {10, 100, -30, 10, {}, false, false});
        const QRgb gain = Couleur(doc, "NGain");
        int vus = 0;
        for (const Reel phi : {-60.0L, -90.0L, -120.0L}) {
            const TGainPhase p = VersBoucleOuverte(-3, phi, symetrique);
            for (const Reel phase : {p.Phase, Miroir(p.Phase, symetrique)}) {
                const QPoint pix = Pixel(doc, phase, p.Gain);
                EXPECT_GT(CompteCouleur(image, gain, pix.x() - 1, pix.y() - 1, pix.x() + 1, pix.y() + 1), 0)
                    << symetrique << " " << double(phase);
                ++vus;
            }
        }
        EXPECT_EQ(vus, 6);
        doc.AbaqueVisible = false;
        EXPECT_EQ(CompteCouleur(Dessine(doc, {10, 100, -30, 10, {}, false, false}), gain, 0, 0, Largeur, Hauteur), 0);
    }
}

TEST(TraceBlack, EtiquettesDeLAbaqueSeulementPourLesLieuxQuiEntrentDansLeCadre)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {0, 1, 1});
    doc.AbaqueVisible = true;
    // De -60 à -40 dB : le lieu de 12 dB passe bien au-dessus du cadre.
    const std::vector<TTexteEcrit> bas = Textes(doc, {0.01L, 100, -60, -40, {}, false, false});
    EXPECT_EQ(Occurrences(bas, " 12 dB"), 0);
    EXPECT_EQ(Occurrences(bas, " -50 dB"), 1);
    const std::vector<TTexteEcrit> large = Textes(doc, {0.01L, 100, -30, 20, {}, false, false});
    for (const Reel g : doc.AbaqueGains)
        EXPECT_EQ(Occurrences(large, " " + TexteGeneral(g, ChiffresRelisibles) + " dB"), std::abs(g) <= 30 ? 1 : 0) << double(g);
    EXPECT_EQ(Occurrences(large, " -90°"), 1);
    for (const TTexteEcrit& t : large)
        EXPECT_TRUE(QRect(0, 0, Largeur, Hauteur).contains(t.Position.toPoint())) << t.Texte.toStdString();
    // La page écrit « dB » sans blanc devant.
    const std::vector<TTexteEcrit> page = Textes(doc, {0.01L, 100, -30, 20, {}, false, false},
                                                 TMiseEnPageBlack::Page(300, true));
    EXPECT_EQ(Occurrences(page, " -3dB"), 1);
}

TEST(TraceBlack, EtiquettesDesLieuxDePhaseSurLaDiagonale)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {0, 1, 1});
    doc.AbaqueVisible = true;
    const std::vector<TTexteEcrit> textes = Textes(doc, {0.01L, 100, -30, 20, {}, false, false});
    const TRepere r = Cadre(doc);
    const QPoint haut = Pixel(doc, 0, r.YMax);
    const QPoint bas = Pixel(doc, -180, r.YMin);
    const double pente = double(haut.y() - bas.y()) / double(haut.x() - bas.x());
    // Taille des étiquettes : 0,006 de la diagonale de la cible, 7 points ici.
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(std::nearbyint(0.006 * std::hypot(Largeur, Hauteur)));
    const QImage reference(1, 1, QImage::Format_RGB32);
    const QFontMetrics mesure(police, &reference);
    for (const char* texte : {" -30°", " -90°", " -150°"}) {
        const TTexteEcrit* t = Texte(textes, QString::fromUtf8(texte));
        ASSERT_TRUE(t) << texte;
        // Texte centré sur le point de l'étiquette, son haut à la hauteur du point.
        const double x = t->Position.x() + mesure.horizontalAdvance(QString::fromUtf8(texte)) / 2;
        const double y = t->Position.y() - mesure.ascent();
        EXPECT_LT(std::abs(y - (haut.y() + pente * (x - haut.x()))), 8) << texte;
    }
}

TEST(TraceBlack, EchellesImpossiblesOuCibleMinusculeRienNestGarde)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {0, 1, 1});
    for (const TParamBlack& param : {TParamBlack{0, 10, -40, 0, {}, true, true},
                                     TParamBlack{10, 10, -40, 0, {}, true, true},
                                     TParamBlack{0.1L, 10, 5, 5, {}, true, true}}) {
        QImage image(Largeur, Hauteur, QImage::Format_RGB32);
        QPainter p(&image);
        EXPECT_FALSE(Trace(p, doc, param));
        EXPECT_EQ(doc.Trace.Echelles.NbPoints, 0);
    }
    doc.AbaqueVisible = true;
    for (const int cote : {1, 3, 12}) {
        QImage image(cote, cote, QImage::Format_RGB32);
        QPainter p(&image);
        Garde(doc, TracerBlack(p, image.rect(), doc, ParamIntegrateur, TMiseEnPageBlack::Ecran()));
    }
}

// Les lieux gardés d'un dessin à l'autre redonnent la même image ; une liste, la plage des
// phases ou le gain minimum changés les font recalculer.
TEST(TraceBlack, LieuxDeLAbaqueGardesTantQueRienNeChange)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {0, 1, 1});
    doc.AbaqueVisible = true;
    TLieuxAbaque lieux;
    const auto dessine = [&](const TParamBlack& param) {
        QImage image(Largeur, Hauteur, QImage::Format_RGB32);
        QPainter p(&image);
        Garde(doc, TracerBlack(p, image.rect(), doc, param, TMiseEnPageBlack::Ecran(), &lieux));
        return image;
    };
    const auto attendu = [&](const TParamBlack& param) {
        TLieuxAbaque neufs;
        QImage image(Largeur, Hauteur, QImage::Format_RGB32);
        QPainter p(&image);
        Garde(doc, TracerBlack(p, image.rect(), doc, param, TMiseEnPageBlack::Ecran(), &neufs));
        return image;
    };
    const QImage premier = dessine(ParamIntegrateur);
    EXPECT_EQ(dessine(ParamIntegrateur), premier);
    doc.AbaqueGains = {3};
    EXPECT_EQ(dessine(ParamIntegrateur), attendu(ParamIntegrateur));
    doc.PhaseSymetrique = true;
    EXPECT_EQ(dessine(ParamIntegrateur), attendu(ParamIntegrateur));
    TParamBlack autreMinimum = ParamIntegrateur;
    autreMinimum.GainMin = -20;
    EXPECT_EQ(dessine(autreMinimum), attendu(autreMinimum));
    EXPECT_NE(dessine(autreMinimum), premier);
}

// L'étiquette d'une décade se lit du côté extérieur du coude de la courbe, sur une plage de
// gains qui n'est pas symétrique autour de 0 dB.
TEST(TraceBlack, EtiquettesDesDecadesALExterieurDuCoude)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {0, 1, 1});
    const std::vector<TTexteEcrit> textes = Textes(doc, ParamIntegrateur);
    const int parDecade = doc.Trace.Echelles.NbPoints / 5;
    const auto pixel = [&](int i) {
        const TPointFrequentiel& p = doc.Trace.Points[i];
        return QPointF(p.PixelX, p.PixelY1);
    };
    int vues = 0;
    for (const TEtiquetteDecade& etiquette : EtiquettesDecades(textes)) {
        const int i = (etiquette.Exposant.toInt() + 3) * parDecade;
        if (i - 100 < 0 || i + 100 > doc.Trace.Echelles.NbPoints)
            continue;
        const QPointF a = pixel(i - 100), p = pixel(i), b = pixel(i + 100);
        // Le coude se creuse vers le milieu de la corde ; l'étiquette part de l'autre côté.
        const QPointF versCorde = (a + b) / 2 - p;
        if (std::hypot(versCorde.x(), versCorde.y()) < 1)
            continue;
        const QPointF versEtiquette = etiquette.Boite.center() - p;
        EXPECT_LT(versCorde.x() * versEtiquette.x() + versCorde.y() * versEtiquette.y(), 0) << etiquette.Exposant.toStdString();
        ++vues;
    }
    EXPECT_GE(vues, 2);
}
