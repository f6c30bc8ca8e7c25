// Diagramme de Bode : arrondis des échelles, points gardés, et faits lus sur l'image dessinée.
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "AideImages.h"
#include "DocumentsDessin.h"
#include "PolynomesSaisis.h"
#include "coeur/EchantillonsFrequentiels.h"
#include "coeur/TextesValeurs.h"
#include "trace/Graphisme.h"
#include "trace/DessinPlace.h"
#include "trace/PageImprimee.h"
#include "trace/TraceBode.h"
#include "trace/TraceDiagramme.h"
#include "coeur/Document.h"

namespace {
constexpr int Largeur = 1000;
constexpr int Hauteur = 700;

QImage Dessine(TDocumentEtTrace& doc, const TParamBode& param, const TMiseEnPageBode& mise = {}, bool* trace = nullptr)
{
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    const bool fait = Garde(doc, TracerBode(p, QRect(0, 0, Largeur, Hauteur), doc, param, mise));
    if (trace)
        *trace = fait;
    return image;
}

// Cadres de l'écran : 5 % à 95 % en largeur, 5 % à 45 % et 52 % à 92 % en hauteur.
TRepere CadreGain(const TDocumentEtTrace& doc)
{
    const TEchellesFrequentielles& e = doc.Trace.Echelles;
    return {Arrondi(0.05L * Largeur), Arrondi(0.05L * Hauteur), Arrondi(0.95L * Largeur), Arrondi(0.45L * Hauteur),
            e.LogFreqMin, e.GainMin, e.LogFreqMax, e.GainMax};
}

TRepere CadrePhase(const TDocumentEtTrace& doc)
{
    const TEchellesFrequentielles& e = doc.Trace.Echelles;
    return {Arrondi(0.05L * Largeur), Arrondi(0.52L * Hauteur), Arrondi(0.95L * Largeur), Arrondi(0.92L * Hauteur),
            e.LogFreqMin, e.PhaseMin, e.LogFreqMax, e.PhaseMax};
}

bool Visible(const TRepere& r, Reel x, Reel y)
{
    const std::optional<TPixel> p = VersPixel(r, x, y);
    return p && !p->Dehors;
}

// Un échantillon visible est sur la courbe dessinée, dans les deux cadres.
void AttendCourbeAuPoint(const QImage& image, const TDocumentEtTrace& doc, int i)
{
    const TPointFrequentiel& p = doc.Trace.Points[i];
    const QRgb courbe = Couleur(doc, "DCourbe");
    const Reel x = Log10(p.Frequence);
    if (Visible(CadreGain(doc), x, p.Valeur1)) {
        EXPECT_EQ(image.pixel(p.PixelX, p.PixelY1), courbe) << i;
    }
    if (Visible(CadrePhase(doc), x, p.Valeur2)) {
        EXPECT_EQ(image.pixel(p.PixelX, p.PixelY2), courbe) << i;
    }
}

std::vector<TTexteEcrit> TextesDe(TDocumentEtTrace& doc, const TParamBode& param, const TMiseEnPageBode& mise = {})
{
    return TextesEcrits(Largeur, Hauteur,
                        [&](QPainter& p) { Garde(doc, TracerBode(p, QRect(0, 0, Largeur, Hauteur), doc, param, mise)); });
}
}

TEST(TraceBode, DecadesEntieresAutourDeLaPlageDemandee)
{
    // Une puissance de dix, positive ou négative, reste telle quelle ; les autres bornes vont
    // aux puissances de dix voisines, à quelques ulps près.
    const struct {
        Reel Min, Max;
        int LogMin, LogMax;
    } valides[] = {
        {0.05L, 300, -2, 3}, {1, 10, 0, 1},    {0.1L, 100, -1, 2}, {0.01L, 0.1L, -2, -1},
        {1e-5L, 2e-5L, -5, -4}, {0.3L, 1000, -1, 3},
        {5, 5, 0, 1},  // deux fréquences égales entre deux décades en couvrent une
    };
    const auto puissance = [](int n) { return std::pow(Reel(10), Reel(n)); };
    for (const auto& c : valides) {
        SCOPED_TRACE(std::to_string(double(c.Min)) + " à " + std::to_string(double(c.Max)));
        const std::optional<TDecades> d = ArrondiDecades(c.Min, c.Max);
        ASSERT_TRUE(d);
        EXPECT_LE(std::fabs(d->FreqMin / puissance(c.LogMin) - 1), 4e-19L);
        EXPECT_LE(std::fabs(d->FreqMax / puissance(c.LogMax) - 1), 4e-19L);
        EXPECT_EQ(d->LogMin, c.LogMin);
        EXPECT_EQ(d->LogMax, c.LogMax);
        EXPECT_EQ(d->Nombre, c.LogMax - c.LogMin);
    }
    for (const auto& [min, max] : {std::pair<Reel, Reel>{0, 10}, {-1, 10}, {10, 10}, {0.1L, 0.1L}, {20, 10},
                                   {1, 1.1e4932L}, {5e-4951L, 1}})
        EXPECT_FALSE(ArrondiDecades(min, max)) << double(min) << " à " << double(max);
    EXPECT_TRUE(std::isinf(DecadeSuperieure(1.1e4932L)));
}

TEST(TraceBode, EchellesArrondiesGardeesDansLeDocument)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    Dessine(doc, {0.05L, 300, -47, 12, {}});
    const TEchellesFrequentielles& e = doc.Trace.Echelles;
    EXPECT_NEAR(double(e.FreqMin), 0.01, 1e-17);
    EXPECT_NEAR(double(e.FreqMax), 1000, 1e-12);
    EXPECT_NEAR(double(e.GainMin), -50, 1e-12);
    EXPECT_NEAR(double(e.GainMax), 15, 1e-12);
    EXPECT_EQ(e.PhaseMin, -360);
    EXPECT_EQ(e.PhaseMax, 0);
    EXPECT_EQ(e.NbPoints, 2000);
    EXPECT_EQ(e.ZoneDroite, Largeur);
    EXPECT_EQ(e.ZoneBas, Hauteur);

    doc.PhaseSymetrique = true;
    Dessine(doc, {1, 10, -40, 20, {}});
    EXPECT_EQ(e.FreqMin, 1);
    EXPECT_EQ(e.FreqMax, 10);
    EXPECT_NEAR(double(e.GainMin), -40, 1e-12);
    EXPECT_NEAR(double(e.GainMax), 20, 1e-12);
    EXPECT_EQ(e.PhaseMin, -180);
    EXPECT_EQ(e.PhaseMax, 180);
}

TEST(TraceBode, GraduationsDuGainAuPasDeLaTable)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    // Étendue 18 dB : pas de 2, bornes inchangées.
    const std::vector<TTexteEcrit> textes = TextesDe(doc, {1, 10, -12, 6, {}});
    for (int g = -12; g <= 6; g += 2)
        EXPECT_EQ(Occurrences(textes, QString::fromStdString(NombreEnTexte(g, 2))), 1) << g;
    EXPECT_EQ(Occurrences(textes, "-13"), 0);
    // Étendue 59 dB : pas de 5 ; -15 s'écrit en entier et non « -2E1 ».
    const std::vector<TTexteEcrit> larges = TextesDe(doc, {1, 10, -47, 12, {}});
    EXPECT_EQ(Occurrences(larges, QString::fromStdString(NombreEnTexte(-15, 2))), 1);
    EXPECT_EQ(Occurrences(larges, QString::fromStdString(NombreEnTexte(-50, 2))), 1);
    EXPECT_EQ(Occurrences(larges, QString::fromStdString(NombreEnTexte(15, 2))), 1);
    EXPECT_EQ(Occurrences(larges, "-2E1"), 0);
}

TEST(TraceBode, TextesDesDecadesNomsEtTitre)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    const std::vector<TTexteEcrit> textes = TextesDe(doc, {0.05L, 50, -40, 10, "Mon titre"});
    EXPECT_EQ(Occurrences(textes, "10"), 10);
    for (const char* exposant : {"-2", "-1", "1", "2"})
        EXPECT_EQ(Occurrences(textes, exposant), 2) << exposant;
    EXPECT_EQ(Occurrences(textes, "-3"), 0);
    EXPECT_EQ(Occurrences(textes, "Gain (dB)"), 1);
    EXPECT_EQ(Occurrences(textes, "Déphasage (degrés)"), 1);
    EXPECT_EQ(Occurrences(textes, "Diagramme de Bode"), 1);
    EXPECT_EQ(Occurrences(textes, "Mon titre"), 1);
    for (int phase = -360; phase <= 0; phase += 45)
        EXPECT_EQ(Occurrences(textes, QString::number(phase)), phase == 0 ? 3 : 1) << phase;  // 0 : deux exposants

    const std::vector<TTexteEcrit> sansTitre = TextesDe(doc, {0.05L, 50, -40, 10, {}});
    EXPECT_EQ(sansTitre.size(), textes.size() - 1);
}

TEST(TraceBode, EtiquettesDesDecadesSousChaqueCadre)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    const QImage image = Dessine(doc, {0.05L, 50, -40, 10, {}});
    const QRgb echelle = Couleur(doc, "DEchelle");
    for (const TRepere& r : {CadreGain(doc), CadrePhase(doc)}) {
        for (int i = -2; i <= 2; ++i) {
            const int px = VersPixelBorne(r, i, r.YMin)->X;
            EXPECT_GT(CompteCouleur(image, echelle, px - 12, r.PixBas + 1, px + 12, r.PixBas + 20), 0) << i;
        }
        // Entre deux décades, rien n'est écrit sous le cadre.
        const int milieu = VersPixelBorne(r, 0.5L, r.YMin)->X;
        EXPECT_EQ(CompteCouleur(image, echelle, milieu - 3, r.PixBas + 1, milieu + 3, r.PixBas + 20), 0);
    }
}

// Part de la colonne, entre les bords du cadre, peinte de la couleur donnée.
double PartDeLaColonne(const QImage& image, QRgb couleur, const TRepere& r, int colonne)
{
    return double(CompteCouleur(image, couleur, colonne, r.PixHaut + 2, colonne, r.PixBas - 2)) /
           double(r.PixBas - r.PixHaut - 3);
}

TEST(TraceBode, GrilleDesFrequencesPleineAuxDecadesPointilleeEntre)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    const QImage image = Dessine(doc, {1, 1000, -40, 10, {}});
    const QRgb grille = Couleur(doc, "DQuadrillage");
    for (const TRepere& r : {CadreGain(doc), CadrePhase(doc)}) {
        EXPECT_GT(PartDeLaColonne(image, grille, r, VersPixelBorne(r, 1, r.YMin)->X), 0.9);
        for (int j : {2, 5, 9}) {
            const double part = PartDeLaColonne(image, grille, r, VersPixelBorne(r, 1 + Log10(j), r.YMin)->X);
            EXPECT_GT(part, 0.15) << j;
            EXPECT_LT(part, 0.6) << j;
        }
        // Entre deux multiples, aucune ligne.
        EXPECT_LT(PartDeLaColonne(image, grille, r, VersPixelBorne(r, 1 + Log10(1.5L), r.YMin)->X), 0.1);
    }
}

TEST(TraceBode, DecadesSerreesGrillePleineEtEtiquettesSansChevauchement)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    const TParamBode param{1e-1000L, 1e1000L, -40, 10, {}};
    bool trace = false;
    const QImage image = Dessine(doc, param, {}, &trace);
    ASSERT_TRUE(trace);
    // Moins d'un pixel par décade : tout l'intérieur du cadre est grille, hors de la courbe.
    const TRepere gain = CadreGain(doc);
    const int ligne = VersPixelBorne(gain, 0, -37.5L)->Y;
    const int largeur = gain.PixDroite - gain.PixGauche - 1;
    EXPECT_GT(CompteCouleur(image, Couleur(doc, "DQuadrillage"), gain.PixGauche + 1, ligne, gain.PixDroite - 1, ligne),
              largeur - 5);

    // Chaque « 10 » est suivi de son exposant ; le suivant commence après celui-ci, à un
    // nombre de décades toujours le même.
    const std::vector<TTexteEcrit> textes = TextesDe(doc, param);
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(7);
    const QFontMetrics exposant(police, &image);
    int nbEtiquettes = 0;
    qreal finPrecedente = -1e9;
    qreal yPrecedent = -1;
    int exposantPrecedent = 0;
    int pas = 0;
    for (std::size_t k = 0; k + 1 < textes.size(); ++k) {
        if (textes[k].Texte != "10")
            continue;
        ++nbEtiquettes;
        const int e = textes[k + 1].Texte.toInt();
        if (textes[k].Position.y() == yPrecedent) {
            EXPECT_GT(textes[k].Position.x(), finPrecedente) << k;
            if (pas == 0)
                pas = e - exposantPrecedent;
            EXPECT_EQ(e - exposantPrecedent, pas) << k;
        }
        yPrecedent = textes[k].Position.y();
        exposantPrecedent = e;
        finPrecedente = textes[k + 1].Position.x() + exposant.horizontalAdvance(textes[k + 1].Texte);
    }
    EXPECT_GT(pas, 1);
    EXPECT_GT(nbEtiquettes, 10);
    EXPECT_LT(nbEtiquettes, 200);
}

TEST(TraceBode, CiblesMinusculesSansTraceNiDebordement)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    const TParamBode param{0.1L, 10, -40, 0, {}};
    for (const QRect cible : {QRect(5, 5, 1, 1), QRect(5, 5, 300, 0), QRect(5, 5, 0, 300)}) {
        QImage image(320, 320, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        EXPECT_FALSE(Garde(doc, TracerBode(p, cible, doc, param, TMiseEnPageBode{}))) << cible.width() << "x" << cible.height();
        p.end();
        EXPECT_EQ(doc.Trace.Echelles.NbPoints, 0);
        const int noirs = CompteCouleur(image, qRgb(0, 0, 0), 0, 0, 319, 319);
        EXPECT_EQ(noirs, 320 * 320 - cible.width() * cible.height());
    }
    // Dès deux pixels de côté, les cadres existent : tout se trace, textes compris, même la
    // phase continue dont aucune graduation ne tient.
    for (const bool continue_ : {false, true})
        for (const int cote : {2, 10}) {
            doc.PhaseContinue = continue_;
            QImage image(cote, cote, QImage::Format_RGB32);
            QPainter p(&image);
            EXPECT_TRUE(Garde(doc, TracerBode(p, image.rect(), doc, param, TMiseEnPageBode{}))) << cote;
            EXPECT_EQ(doc.Trace.Echelles.NbPoints, 2000);
        }
}

TEST(TraceBode, PointsGardesEtCouleurDeLaCourbeAuxPixelsCalcules)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    // 0.01, puissance de dix exacte, reste le premier échantillon : quatre décades.
    const QImage image = Dessine(doc, {0.01L, 100, -45, 5, {}});
    const TRepere gain = CadreGain(doc);
    const TRepere phase = CadrePhase(doc);
    ASSERT_EQ(doc.Trace.Echelles.NbPoints, 2000);
    for (int i = 0; i <= 2000; ++i) {
        const TPointFrequentiel& p = doc.Trace.Points[i];
        const TEchellesFrequentielles& e = doc.Trace.Echelles;
        const Reel x = i * (e.LogFreqMax - e.LogFreqMin) / 2000 + e.LogFreqMin;
        const Reel w = DeuxPi * p.Frequence;
        ASSERT_NEAR(double(x), double(-2 + 4 * Reel(i) / 2000), 1e-12) << i;
        ASSERT_NEAR(double(Log10(p.Frequence)), double(x), 1e-15) << i;
        ASSERT_NEAR(double(p.Valeur1), double(-10 * Log10(1 + w * w)), 1e-9) << i;
        ASSERT_NEAR(double(p.Valeur2), double(-std::atan(w) * 180 / Pi), 1e-9) << i;
        ASSERT_EQ(p.PixelX, VersPixelBorne(gain, x, p.Valeur1)->X) << i;
        ASSERT_EQ(p.PixelY1, VersPixelBorne(gain, x, p.Valeur1)->Y) << i;
        ASSERT_EQ(p.PixelY2, VersPixelBorne(phase, x, p.Valeur2)->Y) << i;
        if (i % 50 == 0)
            AttendCourbeAuPoint(image, doc, i);
    }
    EXPECT_NEAR(double(doc.Trace.Points[0].Frequence), 0.01, 1e-18);
    EXPECT_NEAR(double(doc.Trace.Points[2000].Frequence), 100, 1e-13);
}

TEST(TraceBode, RienDeLaCourbeHorsDesCadres)
{
    // Second ordre peu amorti : la résonance dépasse le haut du cadre de gain.
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 0.1L, 1});
    const QImage image = Dessine(doc, {0.01L, 10, -40, 5, {}});
    const QRgb courbe = Couleur(doc, "DCourbe");
    const TRepere gain = CadreGain(doc);
    const TRepere phase = CadrePhase(doc);
    int dedans = 0;
    for (int y = 0; y < Hauteur; ++y)
        for (int x = 0; x < Largeur; ++x)
            if (image.pixel(x, y) == courbe) {
                ASSERT_TRUE(Dans(gain, x, y) || Dans(phase, x, y)) << x << "," << y;
                ++dedans;
            }
    EXPECT_GT(dedans, 1000);
    // La crête est coupée : la courbe touche le bord haut en montant puis en redescendant.
    EXPECT_GE(CompteCouleur(image, courbe, gain.PixGauche, gain.PixHaut, gain.PixDroite, gain.PixHaut), 2);
}

TEST(TraceBode, PhasePositiveDecaleeDe360HorsPlageSymetrique)
{
    // Avance de phase (1 + p)/(1 + 0.1 p) : phase entre 0 et 55°.
    TDocumentEtTrace doc = DocumentDeCoefs({1, 1}, {1, 0.1L});
    Dessine(doc, {0.01L, 100, -10, 30, {}});
    for (int i : {0, 700, 1400, 2000}) {
        const TPointFrequentiel& p = doc.Trace.Points[i];
        const Reel w = DeuxPi * p.Frequence;
        const Reel attendue = (std::atan(w) - std::atan(0.1L * w)) * 180 / Pi;
        EXPECT_NEAR(double(p.Valeur2), double(attendue - 360), 1e-9) << i;
    }
    doc.PhaseSymetrique = true;
    Dessine(doc, {0.01L, 100, -10, 30, {}});
    EXPECT_GT(doc.Trace.Points[1000].Valeur2, 0);
}

TEST(TraceBode, SautDePhaseDe30DegresLaisseUnTrou)
{
    // 1/(1 + p)^3 en plage symétrique : la phase passe de -180 à +180 vers f = 0.276 Hz.
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 3, 3, 1});
    doc.PhaseSymetrique = true;
    const QImage image = Dessine(doc, {0.01L, 100, -80, 10, {}});
    const QRgb courbe = Couleur(doc, "DCourbe");
    const TRepere phase = CadrePhase(doc);
    int saut = -1;
    for (int i = 1; i <= 2000; ++i) {
        const Reel avant = doc.Trace.Points[i - 1].Valeur2;
        const Reel apres = doc.Trace.Points[i].Valeur2;
        EXPECT_LE(std::abs(apres), 180) << i;
        if (std::abs(avant - apres) >= 30)
            saut = i;
    }
    ASSERT_GT(saut, 0);
    EXPECT_LT(doc.Trace.Points[saut - 1].Valeur2, -170);
    EXPECT_GT(doc.Trace.Points[saut].Valeur2, 170);
    // Aucune verticale entre les deux bords à cette fréquence.
    const int x = doc.Trace.Points[saut].PixelX;
    const int haut = VersPixelBorne(phase, 0, 150)->Y;
    const int bas = VersPixelBorne(phase, 0, -150)->Y;
    EXPECT_EQ(CompteCouleur(image, courbe, x - 1, haut, x + 1, bas), 0);
}

// Ordre 10 : en plage fixe, trois morceaux ramenés dans -360..0 ; en phase continue, une
// seule courbe de 0 à -900°, sur un axe gradué au multiple de 45° ou 90° qui la contient.
TEST(TraceBode, PhaseContinueDUnOrdre10EnUnSeulMorceau)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1});
    const TParamBode param{0.001L, 1000, -200, 10, {}};
    Dessine(doc, param);
    int marches = 0;
    for (int i = 1; i <= 2000; ++i)
        marches += std::abs(doc.Trace.Points[i].Valeur2 - doc.Trace.Points[i - 1].Valeur2) >= 30;
    EXPECT_EQ(marches, 2);

    doc.PhaseContinue = true;
    const QImage image = Dessine(doc, param);
    const TEchellesFrequentielles& e = doc.Trace.Echelles;
    for (const int i : {0, 1000, 2000}) {
        const Reel w = DeuxPi * doc.Trace.Points[i].Frequence;
        EXPECT_NEAR(double(doc.Trace.Points[i].Valeur2), double(-10 * std::atan(w) * 180 / Pi), 1e-6) << i;
    }
    for (int i = 1; i <= 2000; ++i)
        ASSERT_LT(doc.Trace.Points[i].Valeur2, doc.Trace.Points[i - 1].Valeur2) << i;
    EXPECT_LE(e.PhaseMin, -900);
    EXPECT_GE(e.PhaseMax, 0);
    EXPECT_EQ(std::fmod(double(e.PhaseMin), 45), 0);
    EXPECT_EQ(std::fmod(double(e.PhaseMax), 45), 0);
    EXPECT_LE(e.PhaseMax - e.PhaseMin, 1440);
    // La courbe passe par chaque échantillon, dans le cadre des phases.
    const QRgb courbe = Couleur(doc, "DCourbe");
    for (int i = 0; i < 2000; i += 50)
        EXPECT_GT(CompteCouleur(image, courbe, doc.Trace.Points[i].PixelX - 1,
                                doc.Trace.Points[i].PixelY2 - 1, doc.Trace.Points[i].PixelX + 1,
                                doc.Trace.Points[i].PixelY2 + 1),
                  0)
            << i;
    // Les graduations disent les phases de l'axe, jusqu'à -900.
    const std::vector<TTexteEcrit> textes = TextesDe(doc, param);
    EXPECT_EQ(Occurrences(textes, "-900"), 1);
}

// Un retard fait tourner la phase de plus de 30° d'un échantillon au suivant : la phase
// continue les relie quand même, sans trou.
TEST(TraceBode, PhaseContinueDUnRetardSansTrou)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    doc.Systeme.TempsMort = 0.5L;
    doc.PhaseContinue = true;
    const QImage image = Dessine(doc, {1, 100, -80, 10, {}});
    const QRgb courbe = Couleur(doc, "DCourbe");
    int rapides = 0;
    for (int i = 1; i < 2000; ++i) {
        const TPointFrequentiel& a = doc.Trace.Points[i - 1];
        const TPointFrequentiel& b = doc.Trace.Points[i];
        const TPointFrequentiel& c = doc.Trace.Points[i + 1];
        ASSERT_LT(b.Valeur2, a.Valeur2) << i;
        // Des deux côtés, plus de 30° : seul un trait qui les relie peint ce point.
        if (a.Valeur2 - b.Valeur2 < 30 || b.Valeur2 - c.Valeur2 < 30)
            continue;
        ++rapides;
        EXPECT_GT(CompteCouleur(image, courbe, b.PixelX - 1, b.PixelY2 - 1, b.PixelX + 1, b.PixelY2 + 1), 0) << i;
    }
    EXPECT_GT(rapides, 100);
}

// Sur six décades, un retard fait tourner la phase jusqu'à -184 000°, un ordre 10 jusqu'à
// -900° : les graduations restent peu nombreuses, rondes et l'une sous l'autre, même dans un
// cadre bas.
TEST(TraceBode, PhaseContinueGraduationsLisibles)
{
    TDocumentEtTrace retard = DocumentDeCoefs({1}, {1, 1});
    retard.Systeme.TempsMort = 0.5L;
    TDocumentEtTrace ordre10 = DocumentDeCoefs({1}, {1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1});
    for (auto [doc, phaseMin] : {std::pair{&retard, -180000}, std::pair{&ordre10, -900}}) {
        doc->PhaseContinue = true;
        for (const QSize taille : {QSize(Largeur, Hauteur), QSize(420, 200)}) {
            const std::vector<TTexteEcrit> textes = TextesEcrits(taille.width(), taille.height(), [&](QPainter& p) {
                Garde(*doc, TracerBode(p, QRect(QPoint(0, 0), taille), *doc, {0.001L, 1000, -60, 0, {}}, {}));
            });
            const QRectF aGaucheDesPhases(0, 0.52 * taille.height() - 8, 0.05 * taille.width() - 1,
                                          0.4 * taille.height() + 16);
            AttendPhasesLisibles(NombresDans(textes, aGaucheDesPhases));
            EXPECT_LE(doc->Trace.Echelles.PhaseMin, phaseMin);
        }
    }
}

TEST(TraceBode, UnZeroSurUnEchantillonLaisseUnTrouEtLeTraceContinue)
{
    // Sur [1, 100], l'échantillon 1000 tombe en x = 1 : N = p² + w² s'y annule exactement.
    const Reel w = DeuxPi * Puiss10(1);
    TDocumentEtTrace doc = DocumentDeCoefs({w * w, 0, 1}, {1, 1, 1});
    bool trace = false;
    const QImage image = Dessine(doc, {1, 100, -100, 20, {}}, {}, &trace);
    EXPECT_TRUE(trace);
    const TPointFrequentiel& zero = doc.Trace.Points[1000];
    EXPECT_EQ(zero.Frequence, Puiss10(1));
    EXPECT_TRUE(std::isinf(zero.Valeur1) && zero.Valeur1 < 0);
    EXPECT_TRUE(std::isnan(zero.Valeur2));
    EXPECT_EQ(zero.PixelY1, PixelAbsent);
    EXPECT_EQ(zero.PixelY2, PixelAbsent);
    for (int i : {1050, 1500, 2000})
        AttendCourbeAuPoint(image, doc, i);
    EXPECT_TRUE(Visible(CadreGain(doc), 1.5L, doc.Trace.Points[1500].Valeur1));
}

TEST(TraceBode, UnPoleSurUnEchantillonLaisseUnTrou)
{
    const Reel w = DeuxPi * Puiss10(1);
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {w * w, 0, 1});
    const QImage image = Dessine(doc, {1, 100, -120, 0, {}});
    const TPointFrequentiel& pole = doc.Trace.Points[1000];
    EXPECT_TRUE(std::isinf(pole.Valeur1) && pole.Valeur1 > 0);
    EXPECT_EQ(pole.PixelY1, PixelAbsent);
    AttendCourbeAuPoint(image, doc, 1200);
    EXPECT_TRUE(Visible(CadreGain(doc), 1.2L, doc.Trace.Points[1200].Valeur1));
}

// 1e150/(p + 1) : environ 3000 dB, loin d'un pôle ; chaque échantillon a son gain et sa phase.
TEST(TraceBode, UneTresGrandeReponseSeDessine)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1e150L}, {1, 1});
    const QImage image = Dessine(doc, {0.01L, 100, 2940, 3010, {}});
    for (int i : {0, 700, 1000, 1400, 2000}) {
        const TPointFrequentiel& p = doc.Trace.Points[i];
        const Reel w = DeuxPi * p.Frequence;
        EXPECT_NEAR(double(p.Valeur1), double(3000 - 10 * Log10(1 + w * w)), 1e-9) << i;
        EXPECT_NEAR(double(p.Valeur2), double(-std::atan(w) * 180 / Pi), 1e-9) << i;
        EXPECT_NE(p.PixelY1, PixelAbsent) << i;
        AttendCourbeAuPoint(image, doc, i);
    }
}

TEST(TraceBode, EchellesImpossiblesRefuseesSansRienGarder)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    Dessine(doc, {0.1L, 10, -40, 0, {}});
    ASSERT_EQ(doc.Trace.Echelles.NbPoints, 2000);
    for (const TParamBode& param : {TParamBode{0, 10, -40, 0, {}}, TParamBode{10, 10, -40, 0, {}},
                                    TParamBode{0.1L, 10, 5, 5, {}}}) {
        bool trace = true;
        const QImage image = Dessine(doc, param, {}, &trace);
        EXPECT_FALSE(trace);
        EXPECT_EQ(doc.Trace.Echelles.NbPoints, 0);
        EXPECT_EQ(CompteCouleur(image, Couleur(doc, "DFond"), 0, 0, Largeur - 1, Hauteur - 1), Largeur * Hauteur);
    }
}

// 8000 intervalles : plus que l'écran n'en relit, le relevé n'en garde aucun.
TEST(TraceBode, LaPageNeGardePasSesPointsEtNeRemplitPasLeFond)
{
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    TMiseEnPageBode page;
    page.NbPoints = 8000;
    page.EpaisseurCourbe = 2;
    page.RemplitFond = false;
    page.AvecTitreUtilisateur = false;
    page.Couleur = false;
    bool trace = false;
    Dessine(doc, {0.001L, 1000, -80, 0, "Titre"}, page, &trace);
    EXPECT_TRUE(trace);
    EXPECT_EQ(doc.Trace.Echelles.NbPoints, 0);
    EXPECT_EQ(doc.Trace.Echelles.GainMin, -80);
    EXPECT_EQ(Occurrences(TextesDe(doc, {0.1L, 10, -40, 0, "Titre"}, page), "Titre"), 0);
}

// Résonance peu amortie : d'un échantillon au suivant la phase descend de plus de 3° mais
// de moins de 30° ; la courbe doit rester continue, chaque ligne entre deux points remplie.
TEST(TraceBode, PhaseRapideMaisSansBasculeResteContinue)
{
    const Reel w0 = DeuxPi;
    TDocumentEtTrace doc = DocumentDeCoefs({w0 * w0}, {w0 * w0, 2 * 0.01L * w0, 1});
    const QImage image = Dessine(doc, {0.1L, 10, -40, 40, {}});
    const QRgb courbe = Couleur(doc, "DCourbe");
    int verifies = 0;
    for (int i = 1; i <= 2000; ++i) {
        const TPointFrequentiel& a = doc.Trace.Points[i - 1];
        const TPointFrequentiel& b = doc.Trace.Points[i];
        if (std::abs(a.Valeur2 - b.Valeur2) <= 3)
            continue;
        ASSERT_LT(std::abs(a.Valeur2 - b.Valeur2), 30) << i;
        for (int y = std::min(a.PixelY2, b.PixelY2) + 1; y < std::max(a.PixelY2, b.PixelY2); ++y) {
            EXPECT_GT(CompteCouleur(image, courbe, std::min(a.PixelX, b.PixelX) - 1, y, std::max(a.PixelX, b.PixelX) + 1, y), 0)
                << "échantillon " << i << ", ligne " << y;
            ++verifies;
        }
    }
    EXPECT_GT(verifies, 20);
}

// Page à 600 points par pouce : cadres aux fractions de la page, décalages en pouces, polices en points.
TEST(TraceBode, PageA600PointsParPouce)
{
    constexpr int Ppp = 600;
    constexpr int L = 2000;
    constexpr int H = 1600;
    TDocumentEtTrace doc = DocumentDeCoefs({1}, {1, 1});
    const TMiseEnPageBode page = TMiseEnPageBode::Page(Ppp, true);
    const TParamBode param{0.1L, 10, -40, 0, {}};
    QImage image = ImageAResolution(L, H, Ppp);
    {
        QPainter p(&image);
        ASSERT_TRUE(Garde(doc, TracerBode(p, image.rect(), doc, param, page)));
    }
    const int gauche = Arrondi(0.07L * L);
    const int haut = Arrondi(0.05L * H);
    const int bas = Arrondi(0.47L * H);
    EXPECT_EQ(image.pixel(gauche, (haut + bas) / 2), Couleur(doc, "DCadre"));
    EXPECT_EQ(image.pixel(Arrondi(0.93L * L), (haut + bas) / 2), Couleur(doc, "DCadre"));
    EXPECT_EQ(image.pixel(gauche - 1, (haut + bas) / 2), qRgb(255, 255, 255));  // la page garde son blanc

    TEnregistreurTextes surface(L, H, Ppp);
    QPainter p(&surface);
    Garde(doc, TracerBode(p, QRect(0, 0, L, H), doc, param, page));
    p.end();
    const TTexteEcrit* gain = Texte(surface.Textes(), QStringLiteral("Gain (dB)"));
    ASSERT_TRUE(gain);
    const int ascent = QFontMetrics(PoliceArial(10, surface), &surface).ascent();
    EXPECT_NEAR(ascent, 10.0 / 72 * Ppp * 0.9, 10);  // 10 points à 600 ppp, pas à l'écran
    EXPECT_EQ(gain->Position.x(), gauche + Arrondi(0.5L * Ppp));
    EXPECT_EQ(gain->Position.y(), haut - Arrondi(0.21L * Ppp) + ascent);
}

// « Asymptotes » sur 10(p + 1)/(p(p² + p + 100)) : cassures à 1 et 10 rad/s sur l'axe des
// fréquences, palier du gain à -20 dB entre elles, phase de départ sur la phase exacte affichée ;
// la paire garde sa correction 20.log10(1/(2ζ)) ; avec un retard, la légende l'exclut.
TEST(TraceBode, AsymptotesDemandeesParDessusLesCourbesExactes)
{
    TDocumentEtTrace doc = DocumentAnalyse(PolynomeDeCoefs({10, 10}), PolynomeDeCoefs({0, 100, 1, 1}));
    const TParamBode param{0.01L, 100, -100, 20, {}};
    QImage image = ImageBlanche(Largeur, Hauteur);
    QPainter p(&image);
    std::optional<TAsymptotesTracees> a;
    ASSERT_TRUE(Garde(doc, TracerBode(p, image.rect(), doc, param, {}, nullptr, &a)));
    p.end();
    ASSERT_TRUE(a);
    const TRepere gain = CadreGain(doc);
    const TRepere phase = CadrePhase(doc);
    ASSERT_EQ(a->Dessin.Cassures.size(), 2u);
    for (const int k : {0, 1}) {
        const Reel w = k == 0 ? 1 : 10;
        EXPECT_EQ(a->Dessin.Cassures[std::size_t(k)].x(), VersPixel(gain, std::log10(w / DeuxPi), 0)->X);
    }
    const Reel x1 = std::log10(1 / DeuxPi);
    const Reel x10 = std::log10(10 / DeuxPi);
    ASSERT_EQ(a->Dessin.Gain.size(), 4u);
    EXPECT_EQ(a->Dessin.Gain[1], QPoint(VersPixel(gain, x1, -20)->X, VersPixel(gain, x1, -20)->Y));
    EXPECT_EQ(a->Dessin.Gain[2].y(), a->Dessin.Gain[1].y());
    const QRgb nom = Couleur(doc, "DNom");
    const int y = a->Dessin.Gain[1].y();
    EXPECT_GT(CompteCouleur(image, nom, a->Dessin.Gain[1].x() + 2, y, a->Dessin.Gain[2].x() - 2, y),
              (a->Dessin.Gain[2].x() - a->Dessin.Gain[1].x()) / 4);
    // -90° au départ, au tour près de la phase exacte affichée au premier point.
    const Reel tours = std::nearbyint((doc.Trace.Points[1].Valeur2 + 90) / 360);
    EXPECT_EQ(a->Dessin.Phase.front().y(), VersPixel(phase, phase.XMin, -90 + 360 * tours)->Y);
    ASSERT_EQ(a->Bode.Cassures.size(), 2u);
    EXPECT_NEAR(double(a->Bode.Cassures[1].CorrectionResonance), 20 * std::log10(1 / (2 * 0.05)), 1e-12);

    // Sans la demande, rien de plus que les courbes ; avec un retard, « retard exclu ».
    QImage fondBlanc = ImageBlanche(Largeur, Hauteur);
    QPainter q(&fondBlanc);
    TracerBode(q, fondBlanc.rect(), doc, param, {});
    EXPECT_EQ(CompteCouleur(fondBlanc, nom, a->Dessin.Gain[1].x() + 2, y, a->Dessin.Gain[2].x() - 2, y), 0);
    TDocumentEtTrace retarde = DocumentAnalyse(PolynomeDeCoefs({10, 10}), PolynomeDeCoefs({0, 100, 1, 1}), 0.1L);
    TEnregistreurTextes textes(Largeur, Hauteur);
    QPainter r(&textes);
    TracerBode(r, QRect(0, 0, Largeur, Hauteur), retarde, param, {}, nullptr, &a);
    r.end();
    EXPECT_TRUE(std::any_of(textes.Textes().begin(), textes.Textes().end(),
                            [](const TTexteEcrit& t) { return t.Texte.endsWith(QStringLiteral(", retard exclu")); }));
}

// La page imprimée, en noir, porte les asymptotes demandées.
TEST(TraceBode, AsymptotesImprimees)
{
    const TDocument doc = DocumentAnalyse(PolynomeDeCoefs({10, 10}), PolynomeDeCoefs({0, 100, 1, 1}));
    const auto imprime = [&](bool asymptotes) {
        QImage page = ImageBlanche(850, 1100);
        QPainter s(&page);
        TDemandeDiagramme d;
        d.Type = TTypeDiagramme::Bode;
        d.Bode = {0.01L, 100, -100, 20, {}};
        d.Asymptotes = asymptotes;
        ImprimeDiagramme(s, page.rect(), 100, doc, d, ValeursParDefaut(TTypeDiagramme::Bode, TTypeReponse::Aucune));
        return PixelsDeCouleur(page, page.rect(), Qt::black, 0);
    };
    EXPECT_GT(imprime(true), imprime(false) + 300);
}
