// Dessin du lieu d'Evans : branches à leur place dans la couleur des courbes, rien hors du
// cadre, échelles égales, page sans points gardés, retard signalé, fonction constante refusée.
#include "trace/TraceEvans.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "AideImages.h"
#include "DocumentsDessin.h"
#include "trace/TraceDiagramme.h"

namespace {

struct TTrace {
    QImage Image;
    bool Trace = false;
};

// Un document et le relevé du lieu que la fenêtre garderait de son dernier tracé à l'écran.
struct TDocumentEtLieu : TDocument {
    TDocumentEtLieu(TDocument doc) : TDocument(std::move(doc)) {}
    TTraceEvans Releve;
};

TParamEvans Auto(const TDocument& doc)
{
    const TCadreLieu c = CadreAutoEvans(doc.Systeme.Numerateur, doc.Systeme.Denominateur, PointsEvans(doc.Systeme.Numerateur, doc.Systeme.Denominateur));
    return {c.XMin, c.XMax, c.YMin, c.YMax, QString()};
}

TTrace Trace(TDocumentEtLieu& doc, const TParamEvans& param, TSupport support = TSupport::Ecran, bool couleur = true)
{
    TTrace t{QImage(900, 600, QImage::Format_RGB32), false};
    t.Image.fill(Qt::white);
    QPainter p(&t.Image);
    TDemandeDiagramme demande;
    demande.Type = TTypeDiagramme::Evans;
    demande.Evans = param;
    demande.Support = support;
    demande.Couleur = couleur;
    demande.EvansPrecedent = &doc.Releve;
    const TResultatDiagramme resultat = TracerDiagramme(p, t.Image.rect(), doc, demande);
    t.Trace = resultat.Trace;
    if (support == TSupport::Ecran)
        doc.Releve = resultat.Dessin.Evans;
    return t;
}

QPoint PixelDe(const TDocumentEtLieu& doc, TComplexe z)
{
    return PixelEvans(doc.Releve, z).toPoint();
}

int CourbeAutour(const TTrace& t, const TDocumentEtLieu& doc, TComplexe z, int rayon = 2)
{
    const QPoint c = PixelDe(doc, z);
    return CompteCouleur(t.Image, Couleur(doc, "DCourbe"), c.x() - rayon, c.y() - rayon, c.x() + rayon, c.y() + rayon);
}

TEST(TraceEvans, BranchesSurLeurLieuEtPasAilleurs)
{
    TDocumentEtLieu doc = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({0, 2, 3, 1}));
    const TTrace t = Trace(doc, Auto(doc));
    ASSERT_TRUE(t.Trace);
    ASSERT_FALSE(doc.Releve.Lieu.Points.empty());
    // Sur l'axe réel, le lieu couvre [-1, 0] et ]-∞, -2], pas ]-2, -1[.
    EXPECT_GT(CourbeAutour(t, doc, {-0.7L, 0}), 0);
    EXPECT_GT(CourbeAutour(t, doc, {-3, 0}), 0);
    EXPECT_EQ(CourbeAutour(t, doc, {-1.5L, 0}), 0);
    // Les branches complexes coupent l'axe imaginaire en ±j√2 ; rien en ±j0,7.
    EXPECT_GT(CourbeAutour(t, doc, {0, 1.41421356L}), 0);
    EXPECT_GT(CourbeAutour(t, doc, {0, -1.41421356L}), 0);
    EXPECT_EQ(CourbeAutour(t, doc, {0, 0.7L}), 0);
    // Aucune branche hors du cadre.
    const QRect c = doc.Releve.Pixels;
    const QRgb courbe = Couleur(doc, "DCourbe");
    int dehors = 0;
    for (int y = 0; y < t.Image.height(); ++y)
        for (int x = 0; x < t.Image.width(); ++x)
            dehors += !c.adjusted(-2, -2, 2, 2).contains(x, y) && t.Image.pixel(x, y) == courbe;
    EXPECT_EQ(dehors, 0);
}

TEST(TraceEvans, EchellesEgalesSurLesDeuxAxes)
{
    const TParamEvans param{-4, 1, -1, 1, QString()};
    for (const auto& [l, h] : {std::pair{800, 500}, std::pair{300, 700}}) {
        const TCadreLieu c = CadreEchellesEgales(param, l, h);
        EXPECT_NEAR(double((c.XMax - c.XMin) / l), double((c.YMax - c.YMin) / h), 1e-15);
        EXPECT_LE(c.XMin, -4);
        EXPECT_GE(c.XMax, 1);
        EXPECT_LE(c.YMin, -1);
        EXPECT_GE(c.YMax, 1);
        EXPECT_TRUE(c.XMin == -4 || c.YMin == -1) << "un des axes garde ses bornes";
    }
}

TEST(TraceEvans, PageEnNoir)
{
    TDocumentEtLieu doc = DocumentAnalyse(PolynomeDeCoefs({2, 1}), PolynomeDeCoefs({2, 2, 1}));
    const TTrace t = Trace(doc, Auto(doc), TSupport::Page, false);
    ASSERT_TRUE(t.Trace);
    int couleurs = 0;
    for (int y = 0; y < t.Image.height(); ++y)
        for (int x = 0; x < t.Image.width(); ++x) {
            const QColor c = t.Image.pixelColor(x, y);
            couleurs += c.red() != c.green() || c.green() != c.blue();
        }
    EXPECT_EQ(couleurs, 0);
    int noirs = CompteCouleur(t.Image, qRgb(0, 0, 0), 0, 0, t.Image.width() - 1, t.Image.height() - 1);
    EXPECT_GT(noirs, 1000);
}

TEST(TraceEvans, RetardSignaleParUneLigne)
{
    TDocumentEtLieu sans = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({0, 1, 1}));
    TDocumentEtLieu avec = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({0, 1, 1}), 0.5L);
    const TTrace a = Trace(sans, Auto(sans));
    const TTrace b = Trace(avec, Auto(avec));
    const QRect c = avec.Releve.Pixels;
    const QRgb nom = Couleur(avec, "DNom");
    const int haut = c.top() - 1;
    EXPECT_EQ(CompteCouleur(a.Image, nom, c.left(), 0, c.left() + 200, haut), 0);
    EXPECT_GT(CompteCouleur(b.Image, nom, c.left(), 0, c.left() + 200, haut), 30);
}

// Le repeint reprend les branches gardées, mais pas celles d'une autre fonction ni d'un autre cadre.
TEST(TraceEvans, BranchesRefaitesPourUneNouvelleSaisieOuUnZoom)
{
    TDocumentEtLieu doc = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({0, 2, 3, 1}));
    const TParamEvans param{-5, 2, -3, 3, QString()};
    Trace(doc, param);
    TDocumentEtLieu autre = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({6, 11, 6, 1}));
    autre.Releve = doc.Releve;
    Trace(autre, param);
    ASSERT_EQ(autre.Releve.Lieu.NbBranches, 3);
    const auto depart = autre.Releve.Lieu.Points.front().Racines;
    for (const Reel pole : {-1.0L, -2.0L, -3.0L})
        EXPECT_TRUE(std::any_of(depart.begin(), depart.begin() + 3, [&](TComplexe z) { return Distance(z, {pole, 0}) < 1e-9L; }))
            << double(pole);

    Trace(doc, {-0.5L, 0.1L, -0.3L, 0.3L, QString()});
    const TCadreLieu m = doc.Releve.Monde;
    const Reel pasMax = PasLieuMax * std::max(m.XMax - m.XMin, m.YMax - m.YMin);
    const std::vector<TPointLieu>& points = doc.Releve.Lieu.Points;
    for (std::size_t i = 1; i < points.size(); ++i)
        for (int b = 0; b < 3; ++b) {
            const TComplexe z0 = points[i - 1].Racines[std::size_t(b)];
            const TComplexe z1 = points[i].Racines[std::size_t(b)];
            if (z1.Re >= m.XMin && z1.Re <= m.XMax && z1.Im >= m.YMin && z1.Im <= m.YMax) {
                ASSERT_LE(Distance(z0, z1), pasMax * 1.0001L) << i << " " << b;
            }
        }
}

TEST(TraceEvans, FonctionConstanteOuCadreVideRefuses)
{
    TDocumentEtLieu constante = DocumentAnalyse(PolynomeDeCoefs({2}), PolynomeDeCoefs({3}));
    EXPECT_FALSE(Trace(constante, {-1, 1, -1, 1, QString()}).Trace);
    EXPECT_TRUE(constante.Releve.Lieu.Points.empty());
    TDocumentEtLieu doc = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1}));
    EXPECT_FALSE(Trace(doc, {1, 1, -1, 1, QString()}).Trace);
    EXPECT_FALSE(Trace(doc, {-1, 1, 2, -2, QString()}).Trace);
    EXPECT_TRUE(Trace(doc, {-2, 1, -1, 1, QString()}).Trace);
}

}
