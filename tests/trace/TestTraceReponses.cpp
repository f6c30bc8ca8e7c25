// Réponses temporelles : échelles graduées et leurs refus, puis faits lus sur l'image dessinée
// (entrée et réponse où la correspondance les place, légende, rien hors du cadre).
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

#include "AffichageQt.h"
#include "DocumentsDessin.h"
#include "AideImages.h"
#include "trace/CouleurQt.h"
#include "trace/EchellesReponses.h"
#include "trace/PageImprimee.h"
#include "trace/TraceDiagramme.h"
#include "trace/TraceReponses.h"
#include "trace/Traceur.h"
#include "numerique/Reponses.h"

namespace {

// Un document et l'entrée et les échelles de sa dernière réponse tracée, comme la fenêtre les garde.
struct TDocumentEtReponse : TDocument {
    TDocumentEtReponse(TDocument doc) : TDocument(std::move(doc)) {}
    TValeursTemporelles Releve;
};

constexpr int Largeur = 800;
constexpr int Hauteur = 600;

QColor CouleurCle(const TDocumentEtReponse& doc, const char* cle)
{
    return CouleurQt(CouleurDe(doc.SchemaCouleurs, QString::fromLatin1(cle)));
}

TDocumentEtReponse PremierOrdre(Reel gain, Reel tempsMort = 0)
{
    return DocumentAnalyse(PolynomeDeCoefs({gain}), PolynomeDeCoefs({1, 1}), tempsMort);
}

TDemandeReponse Demande(TTypeReponse type, TParamReponse param)
{
    TDemandeReponse d;
    d.Type = type;
    d.Param = std::move(param);
    return d;
}

QImage Dessine(TDocumentEtReponse& doc, const TDemandeReponse& demande, QRect cible = QRect(0, 0, Largeur, Hauteur))
{
    QImage image = ImageBlanche(Largeur, Hauteur);
    QPainter p(&image);
    const TResultatReponse r = TracerReponse(p, cible, doc, demande);
    EXPECT_TRUE(r.Trace);
    doc.Releve = r.Valeurs;
    return image;
}

// Le cadre de l'écran, tel que le dernier tracé l'a gradué.
TRepere Cadre(const TDocumentEtReponse& doc, TTypeReponse type, QRect cible = QRect(0, 0, Largeur, Hauteur))
{
    const TMiseEnPageReponse m = TMiseEnPageReponse::Ecran(type);
    TRepere r = RepereDansCible(cible, m.Gauche, m.Droite, m.Haut, m.Bas);
    const TValeursTemporelles& v = doc.Releve;
    r.XMin = v.TMinTrace;
    r.XMax = v.TMaxTrace;
    r.YMin = v.YMinTrace;
    r.YMax = v.YMaxTrace;
    return r;
}

// La couleur est au pixel du point (t, y) ou à un pixel de lui (arrondis du tracé).
::testing::AssertionResult Porte(const QImage& image, const TRepere& r, Reel t, Reel y, const QColor& couleur)
{
    const std::optional<TPixel> pix = VersPixel(r, t, y);
    if (!pix || pix->Dehors)
        return ::testing::AssertionFailure() << "point hors du cadre";
    if (PixelsDeCouleur(image, QRect(pix->X - 1, pix->Y - 1, 3, 3), couleur, 0) > 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pas de " << couleur.name().toStdString() << " en (" << pix->X << ", "
                                         << pix->Y << ")";
}

// Instant de l'échantillon j du tracé de l'échelon à l'écran : (TMax - TMin) / 1000 entre deux.
Reel InstantEchelon(const TDocumentEtReponse& doc, int j)
{
    const TValeursTemporelles& v = doc.Releve;
    return j * (v.TMaxTrace - v.TMinTrace) / 1000;
}
}

TEST(EchellesReponses, ArrondiesAuxGraduations)
{
    const struct {
        Reel TMax, YMin, YMax;
        Reel PasTemps, TMaxTrace, PasSortie, YMinTrace, YMaxTrace;
    } cas[] = {
        {10, 0, 1, 1, 10, 0.1L, 0, 1},
        {0.5L, -0.35L, 1.2L, 0.05L, 0.5L, 0.1L, -0.4L, 1.2L},
        {2.5L, 2, 3, 0.2L, 2.6L, 0.1L, 2, 3},
        {1e-9L, -1, 1, 1e-10L, 1e-9L, 0.2L, -1, 1},
        // Faible amplitude : la marge rapportée au pas garde les bornes sur leurs graduations.
        {10, 0, 3e-7L, 1, 10, 2e-8L, 0, 3e-7L},
        {10, -2.5e-7L, 0, 1, 10, 2e-8L, -2.6e-7L, 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::to_string(double(c.TMax)));
        const std::optional<TEchellesReponse> e = EchellesReponse(c.TMax, c.YMin, c.YMax);
        ASSERT_TRUE(e);
        EXPECT_NEAR(double(e->PasTemps), double(c.PasTemps), 1e-15 * double(c.PasTemps));
        EXPECT_NEAR(double(e->TMin), -double(c.PasTemps), 1e-15 * double(c.PasTemps));
        EXPECT_NEAR(double(e->TMax), double(c.TMaxTrace), 1e-12 * double(c.TMaxTrace));
        EXPECT_NEAR(double(e->PasSortie), double(c.PasSortie), 1e-15);
        EXPECT_NEAR(double(e->YMin), double(c.YMinTrace), 1e-12);
        EXPECT_NEAR(double(e->YMax), double(c.YMaxTrace), 1e-12);
    }
}

// Ce que la grille ne sait pas graduer ou que les pixels ne savent pas placer.
TEST(EchellesReponses, RefusDeCeQueLaGrilleNeGraduePas)
{
    const struct {
        Reel TMax, YMin, YMax;
        TRefusEchelles Refus;
    } cas[] = {
        {1e-4940L, 0, 1, TRefusEchelles::TMaxTropPetit},
        {1e4932L, 0, 1, TRefusEchelles::TMaxTropGrand},
        {1e4925L, 0, 1, TRefusEchelles::TMaxTropGrand},
        // Des étiquettes à exposant de trois chiffres se chevaucheraient.
        {1e4900L, 0, 1, TRefusEchelles::TMaxTropGrand},
        {1e300L, 0, 1, TRefusEchelles::TMaxTropGrand},
        {1e100L, 0, 1, TRefusEchelles::TMaxTropGrand},
        {8e99L, 0, 1, TRefusEchelles::Aucun},
        {10, 0, 1e-4940L, TRefusEchelles::EcartTropFaible},
        {10, 1e30L, 1e30L + 1e14L, TRefusEchelles::EcartTropFaible},
        {10, 1e30L, 1e30L + 1e17L, TRefusEchelles::Aucun},
        {10, -1e4932L, 1e4932L, TRefusEchelles::EcartTropGrand},
        {10, 0, 1e4930L, TRefusEchelles::EcartTropGrand},
        {10, -1e300L, 1e300L, TRefusEchelles::EcartTropGrand},
        {10, 0, 1e100L, TRefusEchelles::EcartTropGrand},
        {10, -8e99L, 0, TRefusEchelles::Aucun},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::to_string(double(c.TMax)) + " " + std::to_string(double(c.YMax)));
        EXPECT_EQ(RefusEchellesReponse(c.TMax, c.YMin, c.YMax), c.Refus);
        EXPECT_EQ(EchellesReponse(c.TMax, c.YMin, c.YMax).has_value(), c.Refus == TRefusEchelles::Aucun);
    }
}

TEST(TraceReponses, EtiquettesDesTempsEtDeLaSortieTitreEtNoms)
{
    TDocumentEtReponse doc = PremierOrdre(1);
    const auto textes = [&](TSupport support) {
        TEnregistreurTextes surface(Largeur, Hauteur);
        QPainter p(&surface);
        TDemandeReponse d = Demande(TTypeReponse::Indicielle, {0, 1, 0, 10, 0, 1, "V"});
        d.Support = support;
        TracerReponse(p, QRect(0, 0, Largeur, Hauteur), doc, d);
        p.end();
        QStringList liste;
        for (const TTexteEcrit& t : surface.Textes())
            liste << t.Texte;
        return liste;
    };
    const QStringList ecran = textes(TSupport::Ecran);
    for (const char* t : {"+0", "+1", "+5", "+9", "+1E1", "+0.1", "+0.5", "Réponse à un échelon en entrée", "t (s)",
                          "entrée", " et ", "réponse", " (V)"})
        EXPECT_TRUE(ecran.contains(QString::fromUtf8(t))) << t;
    EXPECT_EQ(ecran.count("+0"), 2);  // instant 0 et sortie 0
    EXPECT_FALSE(ecran.contains("+1.1"));
    // La page imprimée, et l'image en PDF qui la reprend, nomment leurs axes comme l'écran.
    const QStringList page = textes(TSupport::Page);
    EXPECT_TRUE(page.contains("+1E1"));
    EXPECT_TRUE(page.contains("Réponse à un échelon en entrée"));
    for (const char* t : {"t (s)", "entrée", " et ", "réponse", " (V)"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(t))) << t;
}

// ConsI 2, ConsF 3, gain 0,5 : la réponse part de 1 et tend vers 1,5 ; l'entrée est à 2 puis 3.
TEST(TraceReponses, EchelonEtSonEntreeOuLaCorrespondanceLesPlace)
{
    TDocumentEtReponse doc = PremierOrdre(0.5L);
    const QImage image = Dessine(doc, Demande(TTypeReponse::Indicielle, {2, 3, 0, 10, 0.5L, 3.5L, "V"}));
    const TValeursTemporelles& v = doc.Releve;
    EXPECT_EQ(v.SortieInitiale, 1);
    EXPECT_EQ(v.ConsI, 2);
    EXPECT_EQ(v.ConsF, 3);
    EXPECT_EQ(v.UniteSortie, "V");
    EXPECT_EQ(v.BornesEchelon.YMax, 3.5L);
    EXPECT_NEAR(double(v.TMinTrace), -1, 1e-15);
    const TRepere r = Cadre(doc, TTypeReponse::Indicielle);
    const QColor courbe = CouleurCle(doc, "DCourbe");
    const QColor consigne = CouleurCle(doc, "DConsigne");
    EXPECT_TRUE(Porte(image, r, InstantEchelon(doc, -50), 1, courbe));
    for (int j : {10, 100, 300, 900}) {
        const Reel t = InstantEchelon(doc, j);
        EXPECT_TRUE(Porte(image, r, t, 1 + 0.5L * (1 - std::exp(-t)), courbe)) << j;
    }
    EXPECT_TRUE(Porte(image, r, -0.5L, 2, consigne));
    EXPECT_TRUE(Porte(image, r, 5, 3, consigne));
    EXPECT_TRUE(Porte(image, r, 0, 2.5L, consigne));
}

TEST(TraceReponses, LeRetardDonneUnDepartPlat)
{
    TDocumentEtReponse doc = PremierOrdre(1, 2);
    const QImage image = Dessine(doc, Demande(TTypeReponse::Indicielle, {0, 1, 0, 10, 0, 1, ""}));
    const TRepere r = Cadre(doc, TTypeReponse::Indicielle);
    const QColor courbe = CouleurCle(doc, "DCourbe");
    for (int j : {100, 150, 180})
        EXPECT_TRUE(Porte(image, r, InstantEchelon(doc, j), 0, courbe)) << j;
    const Reel t = InstantEchelon(doc, 400);
    EXPECT_TRUE(Porte(image, r, t, 1 - std::exp(-(t - 2)), courbe));
}

// 1/(p+1) sous une rampe de pente 1 : t - 1 + e^-t, en retard d'une seconde sur l'entrée.
TEST(TraceReponses, RampeEnRetardDUneSecondeSurSonEntree)
{
    TDocumentEtReponse doc = PremierOrdre(1);
    const QImage image = Dessine(doc, Demande(TTypeReponse::Rampe, {0, 0, 1, 10, 0, 10, ""}));
    EXPECT_EQ(doc.Releve.Pente, 1);
    EXPECT_EQ(doc.Releve.BornesRampe.YMax, 10);
    const TRepere r = Cadre(doc, TTypeReponse::Rampe);
    const QColor courbe = CouleurCle(doc, "DCourbe");
    const QColor consigne = CouleurCle(doc, "DConsigne");
    // Échantillons de la rampe à l'écran : TMax / 1000 entre deux.
    for (int j : {200, 500, 800}) {
        const Reel t = j * Reel(0.01L);
        EXPECT_TRUE(Porte(image, r, t, t - 1 + std::exp(-t), courbe)) << j;
        EXPECT_TRUE(Porte(image, r, t - 1, t - 1, consigne)) << j;
    }
}

// ConsI 1 et gain 2 : la réponse part de 2 quand l'entrée part de 1.
TEST(TraceReponses, LaRampePartDuGainStatiqueFoisLeNiveauInitial)
{
    TDocumentEtReponse doc = PremierOrdre(2);
    const QImage image = Dessine(doc, Demande(TTypeReponse::Rampe, {1, 0, 0.5L, 10, 0, 12, ""}));
    EXPECT_EQ(doc.Releve.SortieInitiale, 2);
    const TRepere r = Cadre(doc, TTypeReponse::Rampe);
    EXPECT_TRUE(Porte(image, r, -0.5L, 2, CouleurCle(doc, "DCourbe")));
    EXPECT_TRUE(Porte(image, r, -0.5L, 1, CouleurCle(doc, "DConsigne")));
    // L'entrée monte de son niveau initial : 1 + 0,5·t, pas 0,5·t.
    for (const Reel t : {2.0L, 4.0L, 8.0L})
        EXPECT_TRUE(Porte(image, r, t, 1 + 0.5L * t, CouleurCle(doc, "DConsigne"))) << double(t);
}

// Légende lue de bas en haut : « entrée » (couleur de l'entrée) sous « réponse » (couleur de
// la courbe), « et » et l'unité dans celle des échelles, à gauche du cadre.
TEST(TraceReponses, LegendeVerticaleEnQuatreCouleurs)
{
    TDocumentEtReponse doc = PremierOrdre(1);
    ChangeCouleur(doc, "DEchelle", 200, 0, 200);
    ChangeCouleur(doc, "DQuadrillage", 230, 230, 230);
    const QImage image = Dessine(doc, Demande(TTypeReponse::Indicielle, {0, 1, 0, 10, 0, 1, "m"}));
    const TRepere r = Cadre(doc, TTypeReponse::Indicielle);
    const QRect gauche(0, r.PixHaut, r.PixGauche - 1, r.PixBas - r.PixHaut);
    const auto centre = [&](const QColor& c) {
        long long somme = 0;
        int n = 0;
        for (int y = gauche.top(); y <= gauche.bottom(); ++y)
            for (int x = gauche.left(); x <= gauche.right(); ++x)
                if (image.pixelColor(x, y) == c) {
                    somme += y;
                    ++n;
                }
        return n > 20 ? Reel(somme) / n : Reel(-1);
    };
    const Reel entree = centre(CouleurCle(doc, "DConsigne"));
    const Reel reponse = centre(CouleurCle(doc, "DCourbe"));
    ASSERT_GT(entree, 0);
    ASSERT_GT(reponse, 0);
    EXPECT_GT(entree, reponse);
    EXPECT_GT(centre(QColor(200, 0, 200)), 0);
    EXPECT_GT(PixelsDeCouleur(image, gauche, Qt::white, 0), 0);
}

// Sortie de 2 à 3 : « t (s) » reste centré sous la partie positive de l'axe des temps et la
// légende au milieu de la hauteur du cadre, non sous lui.
TEST(TraceReponses, NomDuTempsEtLegendeCentresHorsDeZero)
{
    TDocumentEtReponse doc = DocumentAnalyse(PolynomeDeCoefs({2.5L}), PolynomeDeCoefs({1, 1}));
    const TDemandeReponse d = Demande(TTypeReponse::Indicielle, {1, 1.2L, 0, 10, 2, 3, "m"});
    TEnregistreurTextes surface(Largeur, Hauteur);
    QPainter p(&surface);
    doc.Releve = TracerReponse(p, QRect(0, 0, Largeur, Hauteur), doc, d).Valeurs;
    p.end();
    const TRepere r = Cadre(doc, TTypeReponse::Indicielle);
    const std::optional<TPixel> milieu = VersPixel(r, r.XMax / 2, r.YMin);
    ASSERT_TRUE(milieu);
    ASSERT_EQ(Occurrences(surface.Textes(), QStringLiteral("t (s)")), 1);
    EXPECT_NEAR(Texte(surface.Textes(), QStringLiteral("t (s)"))->Boite.center().x(), milieu->X, 2);

    // « entrée », premier mot de la légende lue de bas en haut, descend sous le milieu du cadre.
    const QImage image = Dessine(doc, d);
    const QColor entree = CouleurCle(doc, "DConsigne");
    int haut = Hauteur, bas = -1;
    for (int y = 0; y < Hauteur; ++y)
        for (int x = 0; x < r.PixGauche - 1; ++x)
            if (image.pixelColor(x, y) == entree) {
                haut = std::min(haut, y);
                bas = std::max(bas, y);
            }
    ASSERT_GE(bas, 0) << "légende absente";
    EXPECT_GT(bas, (r.PixHaut + r.PixBas) / 2);
    EXPECT_GT(haut, r.PixHaut);
    EXPECT_LT(bas, r.PixBas);
}

// Des bornes qui coupent la réponse et l'entrée : rien de leurs couleurs hors du cadre, à
// l'écran comme sur la page, placée au milieu de l'image (hors légende, à gauche).
TEST(TraceReponses, RienHorsDuCadre)
{
    TDocumentEtReponse doc = PremierOrdre(1, 0.5L);
    const TParamReponse param{-3, 5, 2, 4, 0, 0.5L, ""};
    for (TTypeReponse type : {TTypeReponse::Indicielle, TTypeReponse::Rampe}) {
        const QImage ecran = Dessine(doc, Demande(type, param));
        const TRepere r = Cadre(doc, type);
        QImage sansLegende = ecran.copy();
        QPainter(&sansLegende).fillRect(QRect(0, 0, r.PixGauche, Hauteur), Qt::white);
        TDemandeReponse page = Demande(type, param);
        page.Support = TSupport::Page;
        const QRect cible(100, 80, 500, 400);
        const TMiseEnPageReponse m = TMiseEnPageReponse::Page(96, true);
        const TRepere rp = RepereDansCible(cible, m.Gauche, m.Droite, m.Haut, m.Bas);
        QImage imprimee = Dessine(doc, page, cible);
        QPainter(&imprimee).fillRect(QRect(0, 0, rp.PixGauche, Hauteur), Qt::white);
        for (const char* cle : {"DCourbe", "DConsigne"}) {
            const QColor c = CouleurCle(doc, cle);
            const QRect dedans(QPoint(r.PixGauche - 1, r.PixHaut - 1), QPoint(r.PixDroite + 1, r.PixBas + 1));
            const QRect dedansPage(QPoint(rp.PixGauche - 1, rp.PixHaut - 1), QPoint(rp.PixDroite + 1, rp.PixBas + 1));
            EXPECT_GT(PixelsDeCouleur(sansLegende, dedans, c, 0), 0) << cle;
            EXPECT_EQ(PixelsDeCouleur(sansLegende, sansLegende.rect(), c, 0),
                      PixelsDeCouleur(sansLegende, dedans, c, 0)) << cle;
            EXPECT_GT(PixelsDeCouleur(imprimee, dedansPage, c, 0), 0) << cle;
            EXPECT_EQ(PixelsDeCouleur(imprimee, imprimee.rect(), c, 0), PixelsDeCouleur(imprimee, dedansPage, c, 0))
                << cle;
        }
    }
}

// En noir et blanc, la page ne prend aucune couleur du schéma.
TEST(TraceReponses, PageEnNoirSansCouleur)
{
    TDocumentEtReponse doc = PremierOrdre(1);
    TDemandeReponse page = Demande(TTypeReponse::Indicielle, {0, 1, 0, 10, 0, 1, ""});
    page.Support = TSupport::Page;
    page.Couleur = false;
    const QImage image = Dessine(doc, page);
    for (const char* cle : {"DCourbe", "DConsigne", "DQuadrillage", "DEchelle"})
        EXPECT_EQ(PixelsDeCouleur(image, image.rect(), CouleurCle(doc, cle), 0), 0) << cle;
    EXPECT_GT(PixelsDeCouleur(image, image.rect(), Qt::black, 0), 1000);
}

// Sur la page en noir, gain 0,5 et échelon de 0 à 1 : l'entrée se lit en tirets épais, sur la
// ligne de grille de sa valeur finale comme sur l'axe où elle monte ; la réponse reste pleine.
// En couleur, l'entrée est pleine.
TEST(TraceReponses, PageEnNoirLEntreeEnTiretsLaReponsePleine)
{
    constexpr int Ppp = 300;
    for (const bool couleur : {false, true}) {
        TDocumentEtReponse doc = PremierOrdre(0.5L);
        TDemandeReponse d = Demande(TTypeReponse::Indicielle, {0, 1, 0, 10, 0, 1, "V"});
        d.Support = TSupport::Page;
        d.Resolution = Ppp;
        d.Couleur = couleur;
        QImage image = ImageAResolution(1600, 1200, Ppp);
        {
            QPainter p(&image);
            const TResultatReponse resultat = TracerReponse(p, image.rect(), doc, d);
            ASSERT_TRUE(resultat.Trace);
            doc.Releve = resultat.Valeurs;
        }
        const TMiseEnPageReponse mise = TMiseEnPageReponse::Page(Ppp, couleur);
        TRepere r = RepereDansCible(image.rect(), mise.Gauche, mise.Droite, mise.Haut, mise.Bas);
        r.XMin = doc.Releve.TMinTrace;
        r.XMax = doc.Releve.TMaxTrace;
        r.YMin = doc.Releve.YMinTrace;
        r.YMax = doc.Releve.YMaxTrace;
        const QColor entree = couleur ? CouleurCle(doc, "DConsigne") : QColor(Qt::black);
        // Morceaux de l'entrée le long de sa valeur finale, de 1 s à 9 s.
        const int y = VersPixel(r, 0, 1)->Y;
        int morceaux = 0;
        int poses = 0;
        bool avant = false;
        for (int x = VersPixel(r, 1, 1)->X; x <= VersPixel(r, 9, 1)->X; ++x) {
            const bool pose = PixelsDeCouleur(image, QRect(x, y - 1, 1, 3), entree, 0) > 0;
            morceaux += pose && !avant;
            poses += pose;
            avant = pose;
        }
        const int longueur = VersPixel(r, 9, 1)->X - VersPixel(r, 1, 1)->X + 1;
        if (couleur) {
            EXPECT_EQ(morceaux, 1);
            EXPECT_EQ(poses, longueur);
            continue;
        }
        EXPECT_GE(morceaux, 10) << "en tirets";
        EXPECT_GT(poses, longueur / 2);
        EXPECT_LT(poses, longueur * 9 / 10);
        // La réponse, 0,5(1 - e^-t), pleine de 3 s à 9 s.
        for (Reel t = 3; t <= 9; t += 0.25L) {
            const std::optional<TPixel> pix = VersPixel(r, t, 0.5L * (1 - std::exp(-t)));
            EXPECT_GT(PixelsDeCouleur(image, QRect(pix->X - 1, pix->Y - 1, 3, 3), Qt::black, 0), 0) << double(t);
        }
        // La montée de l'entrée, sur l'axe des sorties : des tirets plus larges que l'axe.
        const int x0 = VersPixel(r, 0, 0)->X;
        int larges = 0;
        int fines = 0;
        for (int yy = VersPixel(r, 0, 0.9L)->Y; yy <= VersPixel(r, 0, 0.1L)->Y; ++yy) {
            const int largeur = PixelsDeCouleur(image, QRect(x0 - 4, yy, 9, 1), Qt::black, 0);
            larges += largeur >= 3;
            fines += largeur >= 1 && largeur < 3;
        }
        EXPECT_GT(larges, 10);
        EXPECT_GT(fines, 10) << "l'axe seul entre deux tirets";
    }
}

// Une pente immense : après le retard la sortie quitte le cadre puis n'est plus finie, ce
// qui laisse un trou ; le départ plat reste dessiné. Une cible minuscule ou vide ne plante pas.
TEST(TraceReponses, EchantillonsNonFinisEtCiblesMinuscules)
{
    TDocumentEtReponse doc = PremierOrdre(1, 1);
    ASSERT_TRUE(std::isinf(ReponseRampe(doc.Systeme, 9, 1, 1e4932L, 0)));
    const QImage image = Dessine(doc, Demande(TTypeReponse::Rampe, {0, 0, 1e4932L, 10, -1, 1, ""}));
    const TRepere r = Cadre(doc, TTypeReponse::Rampe);
    const QColor courbe = CouleurCle(doc, "DCourbe");
    EXPECT_TRUE(Porte(image, r, 0.5L, 0, courbe));
    const int milieu = r.PixGauche + (r.PixDroite - r.PixGauche) / 2;
    EXPECT_EQ(PixelsDeCouleur(image, QRect(milieu, 0, Largeur, Hauteur), courbe, 0), 0);

    for (const QRect cible : {QRect(0, 0, 1, 1), QRect(0, 0, 3, 600), QRect(5, 5, 0, 0)}) {
        QImage petite = ImageBlanche(20, 20);
        QPainter p(&petite);
        const bool trace =
            TracerReponse(p, cible, doc, Demande(TTypeReponse::Rampe, {0, 0, 1, 10, 0, 10, ""})).Trace;
        EXPECT_EQ(trace, !cible.isEmpty()) << cible.width();
    }
}

// Caractéristiques de 1/(p² + 0,4p + 1) sur un échelon de 1 à 3 : bande, pic et temps aux pixels
// des formules du second ordre, dans la couleur des noms ; rien sans la demande ; la page aussi.
TEST(TraceReponses, CaracteristiquesParDessusLEchelonQuandOnLesDemande)
{
    TDocumentEtReponse doc = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 0.4L, 1}));
    TDemandeReponse demande = Demande(TTypeReponse::Indicielle, {1, 3, 1, 20, 0, 6, ""});
    const QImage sans = Dessine(doc, demande);
    demande.Caracteristiques = true;
    QImage image = ImageBlanche(Largeur, Hauteur);
    QPainter p(&image);
    const TResultatReponse avec = TracerReponse(p, image.rect(), doc, demande);
    p.end();
    doc.Releve = avec.Valeurs;
    const TRepere r = Cadre(doc, TTypeReponse::Indicielle);
    ASSERT_TRUE(avec.Caracteristiques && avec.Caracteristiques->Pic);
    // Départ y0 = 1, amplitude 2, valeur finale 1 : la bande entoure 3 à ±0,1.
    EXPECT_EQ(avec.Caracteristiques->BandeHaute, VersPixel(r, 0, 3.1L)->Y);
    EXPECT_EQ(avec.Caracteristiques->BandeBasse, VersPixel(r, 0, 2.9L)->Y);
    const Reel amortie = std::sqrt(1 - 0.04L);
    const Reel tpic = Pi / amortie;
    const std::optional<TPixel> pic = VersPixel(r, tpic, 1 + 2 * (1 + std::exp(-Pi * 0.2L / amortie)));
    EXPECT_EQ(*avec.Caracteristiques->Pic, QPoint(pic->X, pic->Y));
    const QRgb nom = Couleur(doc, "DNom");
    const int ligne = avec.Caracteristiques->BandeBasse;
    EXPECT_GT(CompteCouleur(image, nom, r.PixGauche, ligne, r.PixDroite, ligne), (r.PixDroite - r.PixGauche) / 4);
    EXPECT_EQ(CompteCouleur(sans, nom, r.PixGauche, ligne, r.PixDroite, ligne), 0);

    demande.BandeDeuxPourCent = true;
    QImage deux = ImageBlanche(Largeur, Hauteur);
    QPainter q(&deux);
    EXPECT_EQ(TracerReponse(q, deux.rect(), doc, demande).Caracteristiques->BandeHaute, VersPixel(r, 0, 3.04L)->Y);
    demande.Type = TTypeReponse::Rampe;
    EXPECT_FALSE(TracerReponse(q, deux.rect(), doc, demande).Caracteristiques);

    // La page imprimée, en noir : les tirets de la bande noircissent des pixels de plus.
    const auto imprime = [&](bool caracteristiques) {
        QImage page = ImageBlanche(850, 1100);
        QPainter s(&page);
        TDemandeReponse d = Demande(TTypeReponse::Indicielle, {1, 3, 1, 20, 0, 6, ""});
        d.Caracteristiques = caracteristiques;
        ImprimeReponse(s, page.rect(), 100, doc, d, ValeursParDefaut(TTypeDiagramme::Aucun, TTypeReponse::Indicielle));
        return PixelsDeCouleur(page, page.rect(), Qt::black, 0);
    };
    EXPECT_GT(imprime(true), imprime(false) + 300);
}

// Réponse impulsionnelle de (1 - p)/(p + 1)² : (2t - 1).e^-t aux pixels de la courbe, sans
// flèche ; (p + 2)/(p + 1) = 1 + 1/(p + 1) : la flèche de poids 1 pointe en (0, 1).
TEST(TraceReponses, ImpulsionnelleEnFormeCloseEtFlecheDeDirac)
{
    TDocumentEtReponse doc = DocumentAnalyse(PolynomeDeCoefs({1, -1}), PolynomeDeCoefs({1, 2, 1}));
    const TDemandeReponse demande = Demande(TTypeReponse::Impulsionnelle, {0, 1, 1, 10, -1.5L, 1, ""});
    QImage image = ImageBlanche(Largeur, Hauteur);
    QPainter p(&image);
    const TResultatReponse r = TracerReponse(p, image.rect(), doc, demande);
    p.end();
    ASSERT_TRUE(r.Trace);
    EXPECT_FALSE(r.Dirac);
    doc.Releve = r.Valeurs;
    const TRepere cadre = Cadre(doc, TTypeReponse::Impulsionnelle);
    const QColor courbe = CouleurCle(doc, "DCourbe");
    for (Reel t = 0.05L; t < 9.9L; t += 0.35L)
        EXPECT_TRUE(Porte(image, cadre, t, (2 * t - 1) * std::exp(-t), courbe)) << double(t);

    TDocumentEtReponse direct = DocumentAnalyse(PolynomeDeCoefs({2, 1}), PolynomeDeCoefs({1, 1}));
    QImage seconde = ImageBlanche(Largeur, Hauteur);
    QPainter q(&seconde);
    const TResultatReponse d = TracerReponse(q, seconde.rect(), direct,
                                             Demande(TTypeReponse::Impulsionnelle, {0, 1, 1, 10, -1, 2, ""}));
    direct.Releve = d.Valeurs;
    const std::optional<TPixel> pointe = VersPixel(Cadre(direct, TTypeReponse::Impulsionnelle), 0, 1);
    ASSERT_TRUE(d.Dirac);
    EXPECT_EQ(*d.Dirac, QPoint(pointe->X, pointe->Y));
}
