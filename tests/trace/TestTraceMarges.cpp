// Marques des marges sur Bode, Nyquist et Black : absentes, le dessin ne change pas d'un pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "AideImages.h"
#include "DocumentsDessin.h"
#include "coeur/TextesMarges.h"
#include "trace/TraceBode.h"
#include "trace/TraceDiagramme.h"
#include "trace/TraceEtude.h"

namespace {

constexpr int Largeur = 1000;
constexpr int Hauteur = 700;

// 1/(p(p+1)(p+2)), avec ou sans retard d'une seconde.
TDocumentEtTrace TroisiemeOrdre(Reel T = 0)
{
    return DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({0, 2, 3, 1}), T);
}

TDemandeDiagramme Demande(TTypeDiagramme type, const TMarges* marges)
{
    TDemandeDiagramme d;
    d.Type = type;
    d.Bode = {0.001L, 10, -80, 40, {}};
    d.Nyquist = {0.001L, 10, -3, 1, -3, 1, {}, false};
    d.Black = {0.001L, 10, -60, 40, {}, false, false};
    d.Marges = marges;
    return d;
}

QImage Image(TDocumentEtTrace& doc, TTypeDiagramme type, const TMarges* marges)
{
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    QPainter p(&image);
    doc.Trace = TracerDiagramme(p, image.rect(), doc, Demande(type, marges)).Dessin.Frequentiel;
    return image;
}

// Pixel d'un point du monde, par la relation affine tirée des points gardés qui tombent dans
// le rectangle du monde [x0, x1] x [y0, y1] (hors du cadre, les points gardés sont ramenés au bord).
QPoint PixelDuMonde(const TDocumentEtTrace& doc, Reel x, Reel y, Reel x0, Reel x1, Reel y0, Reel y1)
{
    const TPointsFrequentiels& pts = doc.Trace.Points;
    std::vector<const TPointFrequentiel*> dedans;
    for (int i = 0; i <= doc.Trace.Echelles.NbPoints; ++i)
        if (pts[i].Valeur1 > x0 && pts[i].Valeur1 < x1 && pts[i].Valeur2 > y0 && pts[i].Valeur2 < y1)
            dedans.push_back(&pts[i]);
    EXPECT_GT(dedans.size(), 10u);
    const auto [xa, xb] = std::minmax_element(dedans.begin(), dedans.end(),
                                              [](auto* a, auto* b) { return a->Valeur1 < b->Valeur1; });
    const auto [ya, yb] = std::minmax_element(dedans.begin(), dedans.end(),
                                              [](auto* a, auto* b) { return a->Valeur2 < b->Valeur2; });
    const Reel px = (*xa)->PixelX + (x - (*xa)->Valeur1) * ((*xb)->PixelX - (*xa)->PixelX) / ((*xb)->Valeur1 - (*xa)->Valeur1);
    const Reel py =
        (*ya)->PixelY1 + (y - (*ya)->Valeur2) * ((*yb)->PixelY1 - (*ya)->PixelY1) / ((*yb)->Valeur2 - (*ya)->Valeur2);
    return {Arrondi(px), Arrondi(py)};
}

const TTypeDiagramme Types[] = {TTypeDiagramme::Bode, TTypeDiagramme::Nyquist, TTypeDiagramme::Black};

TEST(TraceMarges, EteintesLeDessinRedevientIdentiquePixelAPixel)
{
    for (const Reel T : {Reel(0), Reel(1)})
        for (const TTypeDiagramme type : Types) {
            TDocumentEtTrace doc = TroisiemeOrdre(T);
            const QImage avant = Image(doc, type, nullptr);
            const QImage avec = Image(doc, type, &MargesDuDocument(doc));
            const QImage apres = Image(doc, type, nullptr);
            EXPECT_EQ(avant, apres) << int(type);
            EXPECT_NE(avant, avec) << int(type);
            // Les marques passent sur la courbe sans la cacher : presque tous ses pixels restent.
            const QRgb courbe = Couleur(doc, "DCourbe");
            const int pixelsAvant = CompteCouleur(avant, courbe, 0, 0, Largeur, Hauteur);
            const int pixelsAvec = CompteCouleur(avec, courbe, 0, 0, Largeur, Hauteur);
            EXPECT_GT(pixelsAvant, 300);
            EXPECT_GT(pixelsAvec, pixelsAvant * 97 / 100) << int(type) << " T=" << double(T);
        }
}

TEST(TraceMarges, BodeMarqueChaqueCroisementEtEcritLesMarges)
{
    TDocumentEtTrace doc = TroisiemeOrdre();
    const TMarges& m = MargesDuDocument(doc);
    const QImage image = Image(doc, TTypeDiagramme::Bode, &m);
    const TEchellesFrequentielles& e = doc.Trace.Echelles;
    TRepere gain = RepereDansCible(image.rect(), TMiseEnPageBode{}.Gauche, TMiseEnPageBode{}.Droite,
                                   TMiseEnPageBode{}.GainHaut, TMiseEnPageBode{}.GainBas);
    gain.XMin = e.LogFreqMin;
    gain.XMax = e.LogFreqMax;
    gain.YMin = e.GainMin;
    gain.YMax = e.GainMax;
    const QRgb pointille = Couleur(doc, "DConsigne");
    for (const Reel w : {m.CroisementsGain.at(0), m.CroisementsPhase.at(0)}) {
        const int x = VersPixel(gain, std::log10(w / DeuxPi), 0)->X;
        // En tirets : une bonne part de la hauteur du cadre.
        EXPECT_GT(CompteCouleur(image, pointille, x, gain.PixHaut, x, gain.PixBas), (gain.PixBas - gain.PixHaut) / 4);
        EXPECT_EQ(CompteCouleur(image, pointille, x + 3, gain.PixHaut, x + 3, gain.PixBas), 0);
    }
    const std::vector<TTexteEcrit> textes = TextesEcrits(Largeur, Hauteur, [&](QPainter& p) {
        TracerDiagramme(p, QRect(0, 0, Largeur, Hauteur), doc, Demande(TTypeDiagramme::Bode, &m));
    });
    // 20.log10(6) dB en sqrt(2)/(2 pi) Hz ; la marge de phase vaut 53,41° à 0,07094 Hz.
    const TTexteEcrit* mg = Texte(textes, QStringLiteral("MG = +15.56 dB à +0.2251 Hz"));
    const TTexteEcrit* mp = Texte(textes, QStringLiteral("MP = +53.41 ° à +0.07094 Hz"));
    ASSERT_TRUE(mg && mp);
    // Le coin haut gauche est traversé par la courbe du gain : le bloc va en haut à droite.
    EXPECT_GT(mg->Position.x(), (gain.PixGauche + gain.PixDroite) / 2);
    EXPECT_LT(mg->Position.y(), (gain.PixHaut + gain.PixBas) / 2);
    EXPECT_GT(mp->Position.y(), mg->Position.y());
}

// Sur une page en noir, rien ne distingue plus les lignes par leur couleur : les croisements
// des marges restent en tirets noirs bien visibles, les lignes secondaires de la grille sont
// plus claires que les décades, et les deux ne se confondent pas.
TEST(TraceMarges, SurUnePageEnNoirLesMargesEnTiretsDistinctesDeLaGrille)
{
    constexpr int Ppp = 300;
    TDocumentEtTrace doc = TroisiemeOrdre();
    const TMarges& m = MargesDuDocument(doc);
    QImage image = ImageAResolution(2000, 1400, Ppp);
    {
        QPainter p(&image);
        TDemandeDiagramme d = Demande(TTypeDiagramme::Bode, &m);
        d.Support = TSupport::Page;
        d.Resolution = Ppp;
        d.Couleur = false;
        const TResultatDiagramme r = TracerDiagramme(p, image.rect(), doc, d);
        ASSERT_TRUE(r.Trace);
        doc.Trace = r.Dessin.Frequentiel;
    }
    const TMiseEnPageBode mise = TMiseEnPageBode::Page(Ppp, false);
    TRepere gain = RepereDansCible(image.rect(), mise.Gauche, mise.Droite, mise.GainHaut, mise.GainBas);
    gain.XMin = doc.Trace.Echelles.LogFreqMin;
    gain.XMax = doc.Trace.Echelles.LogFreqMax;
    gain.YMin = doc.Trace.Echelles.GainMin;
    gain.YMax = doc.Trace.Echelles.GainMax;
    const int hauteur = gain.PixBas - gain.PixHaut;
    // Pixels noirs, gris, et passages du noir au blanc le long d'une colonne du cadre des gains.
    struct TColonne {
        int Noirs = 0;
        int Gris = 0;
        int Coupures = 0;
    };
    const auto colonne = [&](Reel x) {
        const int px = VersPixel(gain, x, gain.YMin)->X;
        TColonne c;
        bool noir = false;
        for (int y = gain.PixHaut + 2; y < gain.PixBas - 2; ++y) {
            const int g = qGray(image.pixel(px, y));
            c.Noirs += g < 60;
            c.Gris += g >= 60 && g < 230;
            c.Coupures += noir && g >= 230;
            noir = g < 60;
        }
        return c;
    };
    for (const Reel w : {m.CroisementsGain.at(0), m.CroisementsPhase.at(0)}) {
        const TColonne marge = colonne(std::log10(w / DeuxPi));
        EXPECT_GT(marge.Noirs, hauteur / 3) << "croisement à " << double(w) << " rad/s";
        EXPECT_GE(marge.Coupures, 8) << "en tirets";
        EXPECT_LT(marge.Coupures, hauteur / 8) << "des tirets, non des points de grille";
    }
    const TColonne decade = colonne(-1);
    const TColonne secondaire = colonne(-1 + std::log10(Reel(3)));
    EXPECT_GT(decade.Noirs, hauteur * 9 / 10);
    EXPECT_LT(secondaire.Noirs, hauteur / 10) << "noire seulement où la croisent la courbe et les lignes des gains";
    EXPECT_GT(secondaire.Gris, hauteur / 5);
}

TEST(TraceMarges, NyquistCercleUniteEtPointMoinsUn)
{
    TDocumentEtTrace doc = TroisiemeOrdre();
    const QImage image = Image(doc, TTypeDiagramme::Nyquist, &MargesDuDocument(doc));
    const QPoint moinsUn = PixelDuMonde(doc, -1, 0, -3, 1, -3, 1);
    EXPECT_GT(CompteCouleur(image, Couleur(doc, "DIntMarque"), moinsUn.x() - 1, moinsUn.y() - 1, moinsUn.x() + 1,
                            moinsUn.y() + 1),
              0);
    int surLeCercle = 0;
    for (int k = 0; k < 36; ++k) {
        const Reel a = DeuxPi * k / 36 + 0.05L;
        const QPoint p = PixelDuMonde(doc, std::cos(a), std::sin(a), -3, 1, -3, 1);
        surLeCercle += CompteCouleur(image, Couleur(doc, "DConsigne"), p.x() - 1, p.y() - 1, p.x() + 1, p.y() + 1) > 0;
    }
    // En tirets : la plupart des points du cercle sont tracés.
    EXPECT_GT(surLeCercle, 20);
}

TEST(TraceMarges, BlackMarqueLePointCritiqueSansCacherLaCourbe)
{
    for (const bool symetrique : {false, true})
        for (const Reel T : {Reel(0), Reel(1)}) {
            TDocumentEtTrace doc = TroisiemeOrdre(T);
            doc.PhaseSymetrique = symetrique;
            const QImage sans = Image(doc, TTypeDiagramme::Black, nullptr);
            const QImage image = Image(doc, TTypeDiagramme::Black, &MargesDuDocument(doc));
            // Black garde (phase, gain) en Valeur1, Valeur2 comme Nyquist (Re, Im).
            const QPoint c = PixelDuMonde(doc, -180, 0, symetrique ? -180 : -360, symetrique ? 180 : 0, -60, 40);
            const QRgb interieur = Couleur(doc, "DIntMarque");
            EXPECT_EQ(CompteCouleur(sans, interieur, 0, 0, Largeur, Hauteur), 0);
            EXPECT_GT(CompteCouleur(image, interieur, c.x() - 1, c.y() - 1, c.x() + 1, c.y() + 1), 0) << symetrique;
            // Avec le retard, la courbe passe juste sous le point : l'étiquette va au-dessus. La
            // marque de la marge de phase, posée sur la courbe, a le contour de sa couleur.
            const QRgb courbe = Couleur(doc, "DCourbe");
            EXPECT_GE(CompteCouleur(image, courbe, c.x() + 5, c.y() - 40, c.x() + 120, c.y() + 40),
                      CompteCouleur(sans, courbe, c.x() + 5, c.y() - 40, c.x() + 120, c.y() + 40))
                << symetrique << " T=" << double(T);
        }
}

// 1/(p(p+1)(p+2)) en jω, et la pulsation où son module vaut 1 : x = ω² racine de
// x³ + 5x² + 4x - 1, par dichotomie sur [0, 1].
std::complex<Reel> ReponseTroisiemeOrdre(Reel w)
{
    const std::complex<Reel> p(0, w);
    return Reel(1) / (p * (p + Reel(1)) * (p + Reel(2)));
}

Reel PulsationGainUnite()
{
    Reel bas = 0, haut = 1;
    for (int k = 0; k < 100; ++k) {
        const Reel x = (bas + haut) / 2;
        (x * x * x + 5 * x * x + 4 * x - 1 < 0 ? bas : haut) = x;
    }
    return std::sqrt(bas);
}

// Nyquist et Black montrent les marges comme Bode : les deux textes, la marge de gain marquée
// sur l'axe réel en -1/6 (Nyquist) ou à -180° et -20.log10(6) dB (Black), la marge de phase au
// point de la courbe sur le cercle unité ou sur 0 dB. Nyquist est agrandi autour de -1 : un
// degré d'erreur y déplacerait la marque de plusieurs pixels.
TEST(TraceMarges, NyquistEtBlackMarquentEtEcriventLesMargesCommeBode)
{
    TDocumentEtTrace doc = TroisiemeOrdre();
    const TMarges& m = MargesDuDocument(doc);
    const std::complex<Reel> unite = ReponseTroisiemeOrdre(PulsationGainUnite());
    const Reel phaseUnite = std::arg(unite) * 360 / DeuxPi;  // -126,59° : dans la plage -360..0
    TDemandeDiagramme nyquist = Demande(TTypeDiagramme::Nyquist, &m);
    nyquist.Nyquist = {0.001L, 10, -1.2L, 0.2L, -1.2L, 0.2L, {}, false};
    const struct {
        TDemandeDiagramme Demande;
        TPointCourbe Gain, Phase;
        Reel X0, X1, Y0, Y1;
    } cas[] = {
        {nyquist, {-Reel(1) / 6, 0}, {unite.real(), unite.imag()}, -1.2L, 0.2L, -1.2L, 0.2L},
        {Demande(TTypeDiagramme::Black, &m), {-180, -20 * std::log10(Reel(6))}, {phaseUnite, 0}, -360, 0, -60, 40},
    };
    const QRgb interieur = Couleur(doc, "DIntMarque");
    for (const auto& c : cas) {
        const int type = int(c.Demande.Type);
        QImage image(Largeur, Hauteur, QImage::Format_RGB32);
        QPainter p(&image);
        doc.Trace = TracerDiagramme(p, image.rect(), doc, c.Demande).Dessin.Frequentiel;
        for (const TPointCourbe& point : {c.Gain, c.Phase}) {
            const QPoint px = PixelDuMonde(doc, point.X, point.Y, c.X0, c.X1, c.Y0, c.Y1);
            EXPECT_GT(CompteCouleur(image, interieur, px.x() - 1, px.y() - 1, px.x() + 1, px.y() + 1), 0)
                << type << " " << double(point.X) << ", " << double(point.Y);
        }
        const std::vector<TTexteEcrit> textes = TextesEcrits(
            Largeur, Hauteur, [&](QPainter& q) { TracerDiagramme(q, QRect(0, 0, Largeur, Hauteur), doc, c.Demande); });
        EXPECT_TRUE(Texte(textes, QStringLiteral("MG = +15.56 dB à +0.2251 Hz"))) << type;
        EXPECT_TRUE(Texte(textes, QStringLiteral("MP = +53.41 ° à +0.07094 Hz"))) << type;
    }
}

// Un cadre qui ne contient ni -1 ni le point de la marge de phase : aucune marque hors du cadre,
// celle de la marge de gain dedans.
TEST(TraceMarges, NyquistAucuneMarqueHorsDuCadre)
{
    TDocumentEtTrace doc = TroisiemeOrdre();
    TDemandeDiagramme demande = Demande(TTypeDiagramme::Nyquist, &MargesDuDocument(doc));
    // -1 tombe juste à gauche du cadre, dans l'image.
    demande.Nyquist = {0.001L, 10, -0.9L, 0.5L, -0.5L, 0.5L, {}, false};
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    QPainter p(&image);
    doc.Trace = TracerDiagramme(p, image.rect(), doc, demande).Dessin.Frequentiel;
    const QPoint basGauche = PixelDuMonde(doc, -0.9L, -0.5L, -0.9L, 0.5L, -0.5L, 0.5L);
    const QPoint hautDroit = PixelDuMonde(doc, 0.5L, 0.5L, -0.9L, 0.5L, -0.5L, 0.5L);
    ASSERT_GT(PixelDuMonde(doc, -1, 0, -0.9L, 0.5L, -0.5L, 0.5L).x(), 5);
    const QRgb interieur = Couleur(doc, "DIntMarque");
    const int dedans = CompteCouleur(image, interieur, basGauche.x(), hautDroit.y(), hautDroit.x(), basGauche.y());
    EXPECT_GT(dedans, 0);
    EXPECT_EQ(CompteCouleur(image, interieur, 0, 0, Largeur, Hauteur), dedans);
}

// La ligne de l'étude : seulement demandée, et pour une boucle ouverte stable.
TEST(TraceMarges, LigneDeLEtude)
{
    const QImage support(10, 10, QImage::Format_RGB32);
    const auto lignes = [&](const TDocumentEtTrace& doc) {
        const TEtudePlacee e = MiseEnPageEtude(doc, QSize(800, 600), support);
        return NombreDeTextes(e.Dessin, QStringLiteral("Marge de gain : +15.56 dB   Marge de phase : +53.41 °")) +
               NombreDeTextes(e.Dessin, QStringLiteral("Marge de gain : infinie   Marge de phase : infinie"));
    };
    TDocumentEtTrace doc = TroisiemeOrdre();
    EXPECT_EQ(lignes(doc), 0);
    doc.MargesEtude = true;
    EXPECT_EQ(lignes(doc), 1);
    TDocumentEtTrace premier = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1}));
    premier.MargesEtude = true;
    EXPECT_EQ(lignes(premier), 1);
    TDocumentEtTrace instable = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({-1, 1}));
    instable.MargesEtude = true;
    EXPECT_EQ(lignes(instable), 0);
}

TEST(TraceMarges, TextesDesMargesInfinies)
{
    TMarges m;
    EXPECT_EQ(TexteMargeGain(m, 4), "MG infinie");
    EXPECT_EQ(TexteMargePhase(m, 4), "MP infinie");
    m.MargePhase = -12.5L;
    m.PulsationMargePhase = DeuxPi * 3;
    EXPECT_EQ(TexteMargePhase(m, 4), "MP = -12.5 ° à +3 Hz");
    EXPECT_EQ(LigneMargesEtude(m, 4), "Marge de gain : infinie   Marge de phase : -12.5 °");
}

// Boucle fermée de 1/(p(p+1)(p+2)) à K = 3 : 3/(p³ + 3p² + 2p + 3) vaut exactement -1 en
// ω = √2 (3 - 3ω² = -3, 2ω - ω³ = 0), seul croisement de gain hors de 0 (ω⁶ + 5ω⁴ - 14ω² = 0).
// Les deux marges sont nulles : l'étude et Bode les lisent 0 et « limite », pas -9.4E-19 dB.
TEST(TraceMarges, MargesNullesLuesZeroEtLimite)
{
    TDocumentEtTrace doc = DocumentAnalyse(PolynomeDeCoefs({3}), PolynomeDeCoefs({3, 2, 3, 1}));
    const TMarges& m = MargesDuDocument(doc);
    ASSERT_TRUE(m.MargeGain && m.MargePhase);
    EXPECT_NEAR(double(m.PulsationMargeGain), std::sqrt(2.0), 1e-12);
    EXPECT_EQ(LigneMargesEtude(m, 4), "Marge de gain : +0 dB (limite)   Marge de phase : +0 ° (limite)");
    EXPECT_EQ(TexteMargeGain(m, 4), "MG = +0 dB (limite) à +0.2251 Hz");
    doc.MargesEtude = true;
    const QImage support(10, 10, QImage::Format_RGB32);
    EXPECT_EQ(NombreDeTextes(MiseEnPageEtude(doc, QSize(800, 600), support).Dessin,
                             QStringLiteral("Marge de gain : +0 dB (limite)   Marge de phase : +0 ° (limite)")),
              1);
}

// La résolution est celle de la grandeur comparée à 4 chiffres : |H| = 1 ± 0.0005, soit
// 20.log10(1.0005) = 0.004341 dB ; la phase de -180° à 0.05 % près, soit 0.09°.
TEST(TraceMarges, LimiteALaResolutionDeLAffichage)
{
    TMarges m;
    m.PulsationMargeGain = DeuxPi;
    m.PulsationMargePhase = DeuxPi;
    const std::pair<Reel, const char*> gains[] = {{-9.41726e-19L, "MG = +0 dB (limite) à +1 Hz"},
                                                  {0.00434L, "MG = +0 dB (limite) à +1 Hz"},
                                                  {-0.00434L, "MG = +0 dB (limite) à +1 Hz"},
                                                  {0.00435L, "MG = +0.00435 dB à +1 Hz"},
                                                  {-0.00435L, "MG = -0.00435 dB à +1 Hz"},
                                                  {15.56L, "MG = +15.56 dB à +1 Hz"}};
    for (const auto& [marge, texte] : gains) {
        m.MargeGain = marge;
        EXPECT_EQ(TexteMargeGain(m, 4), QString::fromUtf8(texte)) << double(marge);
    }
    const std::pair<Reel, const char*> phases[] = {{0.0899L, "MP = +0 ° (limite) à +1 Hz"},
                                                   {-0.0899L, "MP = +0 ° (limite) à +1 Hz"},
                                                   {0.0901L, "MP = +0.0901 ° à +1 Hz"},
                                                   {-12.5L, "MP = -12.5 ° à +1 Hz"}};
    for (const auto& [marge, texte] : phases) {
        m.MargePhase = marge;
        EXPECT_EQ(TexteMargePhase(m, 4), QString::fromUtf8(texte)) << double(marge);
    }
    // Six chiffres : la résolution se resserre d'autant.
    m.MargeGain = 0.0001L;
    EXPECT_EQ(TexteMargeGain(m, 6), "MG = +1.0000000E-4 dB à +1 Hz");
}

}  // namespace
