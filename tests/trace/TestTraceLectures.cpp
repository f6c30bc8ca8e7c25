// Asymptotes de Bode et caractéristiques de l'échelon tracées par-dessus un cadre donné : les
// marques aux pixels que le dessin rend, eux-mêmes tirés des valeurs.
#include <gtest/gtest.h>

#include "coeur/TextesValeurs.h"

#include <QImage>
#include <QPainter>
#include <cmath>

#include "DocumentsDessin.h"
#include "numerique/Reponses.h"
#include "trace/CouleurQt.h"
#include "trace/TraceAsymptotes.h"
#include "trace/TraceCaracteristiques.h"

namespace {

TRepere Cadre(int haut, int bas, Reel xmin, Reel xmax, Reel ymin, Reel ymax)
{
    TRepere r;
    r.PixGauche = 60;
    r.PixDroite = 860;
    r.PixHaut = haut;
    r.PixBas = bas;
    r.XMin = xmin;
    r.XMax = xmax;
    r.YMin = ymin;
    r.YMax = ymax;
    return r;
}

QPoint Pixel(const TRepere& r, Reel x, Reel y)
{
    const std::optional<TPixel> p = VersPixel(r, x, y);
    return p ? QPoint(p->X, p->Y) : QPoint(-1, -1);
}

TEST(TraceAsymptotes, CassuresEtSommetsDuDiagrammeALaMain)
{
    // 10(p + 1)/(p(p² + p + 100)) : cassures à 1 et 10 rad/s.
    const TBodeAsymptotique b = BodeAsymptotique(PolynomeDeCoefs({10, 10}), PolynomeDeCoefs({0, 100, 1, 1}));
    const TRepere gain = Cadre(20, 320, -3, 3, -160, 40);
    const TRepere phase = Cadre(360, 660, -3, 3, -270, 90);
    QImage image(900, 700, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const TSchemaCouleurs schema = SchemaDefaut();
    const TAsymptotesDessinees d = TracerAsymptotes(p, schema, TMiseEnPage{}, gain, phase, b, {});
    p.end();
    const Reel x1 = std::log10(1 / DeuxPi);
    const Reel x10 = std::log10(10 / DeuxPi);
    ASSERT_EQ(d.Cassures.size(), 2u);
    EXPECT_EQ(d.Cassures[0], Pixel(gain, x1, gain.YMin));
    EXPECT_EQ(d.Cassures[1], Pixel(gain, x10, gain.YMin));
    // Gain : -20 dB/déc. jusqu'à 1 rad/s (-20 dB), plat jusqu'à 10, puis -40 dB/déc.
    ASSERT_EQ(d.Gain.size(), 4u);
    EXPECT_EQ(d.Gain[1], Pixel(gain, x1, -20));
    EXPECT_EQ(d.Gain[2], Pixel(gain, x10, -20));
    EXPECT_EQ(d.Gain[3], Pixel(gain, 3, -20 - 40 * (3 - x10)));
    // Phase en marches : -90°, 0° après le zéro, -180° après la paire.
    ASSERT_EQ(d.Phase.size(), 8u);
    EXPECT_EQ(d.Phase[2], Pixel(phase, x1, -90));
    EXPECT_EQ(d.Phase[3], Pixel(phase, x1, 0));
    EXPECT_EQ(d.Phase[5], Pixel(phase, x10, -180));
    // Le palier du gain est tracé (tirets : une partie des pixels).
    int encre = 0;
    for (int x = d.Gain[1].x() + 1; x < d.Gain[2].x(); ++x)
        encre += image.pixel(x, d.Gain[1].y()) != qRgb(255, 255, 255);
    EXPECT_GT(encre, (d.Gain[2].x() - d.Gain[1].x()) / 3);
}

TEST(TraceCaracteristiques, BandePicEtTempsAuxPixelsDesValeurs)
{
    TSysteme s;
    s.Numerateur = PolynomeDeCoefs({1});
    s.Denominateur = PolynomeDeCoefs({1, 0.4L, 1});
    s.PartieEntiere = InitPolynomeValide();
    ASSERT_EQ(DecomposeEnElementsSimples(s.Numerateur, s.Denominateur, s.PartieEntiere, s.Decomposition),
              DecompositionFaite);
    const TCaracteristiques c = CaracteristiquesIndicielle(s);
    ASSERT_TRUE(c.Existent);
    const TRepere r = Cadre(40, 640, 0, 20, -0.2L, 1.8L);
    QImage image(900, 700, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const TSchemaCouleurs schema = SchemaDefaut();
    const TCaracteristiquesDessinees d = TracerCaracteristiques(p, schema, TMiseEnPage{}, r, c, {});
    p.end();
    ASSERT_TRUE(d.Pic);
    EXPECT_EQ(*d.Pic, Pixel(r, c.TempsPic, 1 + c.DepassementPct / 100));
    EXPECT_EQ(image.pixel(*d.Pic), CouleurQt(CouleurDe(schema, QStringLiteral("DIntMarque"))).rgb());
    EXPECT_EQ(d.BandeHaute, Pixel(r, 0, 1.05L).y());
    EXPECT_EQ(d.BandeBasse, Pixel(r, 0, 0.95L).y());
    ASSERT_TRUE(d.Montee && d.Reponse);
    EXPECT_EQ(d.Montee->x(), Pixel(r, c.InstantDixPourCent + c.TempsMontee, 0).x());
    EXPECT_EQ(d.Reponse->x(), Pixel(r, c.TempsReponse5, 0).x());
    // Le trait du temps de réponse part du bord bas.
    EXPECT_NE(image.pixel(d.Reponse->x(), r.PixBas - 2), qRgb(255, 255, 255));
    EXPECT_TRUE(QRect(r.PixGauche, r.PixHaut, r.PixDroite - r.PixGauche, r.PixBas - r.PixHaut).contains(d.Valeurs));

    // Échelon de 1 à 3 : la valeur finale écrite est celle de la courbe tracée, 3, et non celle
    // de la réponse unitaire ; le dépassement en % ne change pas.
    QImage deux(900, 700, QImage::Format_RGB32);
    QPainter pd(&deux);
    TOptionsCaracteristiques echelon;
    echelon.Depart = 1;
    echelon.Echelon = 2;
    const TCaracteristiquesDessinees de1a3 = TracerCaracteristiques(pd, schema, TMiseEnPage{}, r, c, echelon);
    ASSERT_FALSE(de1a3.Lignes.isEmpty());
    EXPECT_EQ(de1a3.Lignes[0], QStringLiteral("Valeur finale : ") + QString::fromStdString(NombreEnTexte(3, 4)));
    EXPECT_EQ(de1a3.Lignes[1], d.Lignes[1]);

    TCaracteristiques aucune;
    aucune.Raison = "Système instable";
    QImage vide(900, 700, QImage::Format_RGB32);
    vide.fill(Qt::white);
    QPainter q(&vide);
    const TCaracteristiquesDessinees sans = TracerCaracteristiques(q, schema, TMiseEnPage{}, r, aucune, {});
    EXPECT_FALSE(sans.Pic || sans.Montee || sans.Reponse);
    EXPECT_FALSE(sans.Valeurs.isEmpty());
}

}  // namespace
