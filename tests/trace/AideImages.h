#pragma once
// Aides des tests de dessins : couleurs attendues, pixels comptés sur une image, et une
// surface qui ne garde que les textes écrits avec leur point de base.
#include <QImage>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "coeur/Document.h"
#include "trace/CouleurQt.h"
#include "trace/Graphisme.h"

inline QRgb Couleur(const TDocument& doc, const char* cle)
{
    return CouleurQt(CouleurDe(doc.SchemaCouleurs, QString::fromLatin1(cle))).rgb();
}

inline int Arrondi(Reel v)
{
    return int(std::nearbyint(v));
}

inline bool Dans(const TRepere& r, int x, int y)
{
    return x >= r.PixGauche && x <= r.PixDroite && y >= r.PixHaut && y <= r.PixBas;
}

inline int CompteCouleur(const QImage& image, QRgb couleur, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = std::max(y0, 0); y <= std::min(y1, image.height() - 1); ++y)
        for (int x = std::max(x0, 0); x <= std::min(x1, image.width() - 1); ++x)
            n += image.pixel(x, y) == couleur;
    return n;
}

// Image à la résolution donnée, en pixels par pouce, comme une page d'imprimante.
inline QImage ImageAResolution(int largeur, int hauteur, int ppp)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.setDotsPerMeterX(Arrondi(ppp / 0.0254L));
    image.setDotsPerMeterY(Arrondi(ppp / 0.0254L));
    image.fill(Qt::white);
    return image;
}

struct TTexteEcrit {
    QString Texte;
    QPointF Position;
    QRectF Boite;  // de la ligne de base, hauteur de la police
};

class TMoteurTextes : public QPaintEngine {
public:
    TMoteurTextes() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& t) override
    {
        const QFontMetricsF mesure(t.font(), paintDevice());
        Textes.push_back({t.text(), p, QRectF(p.x(), p.y() - mesure.ascent(), mesure.horizontalAdvance(t.text()),
                                              mesure.height())});
    }
    Type type() const override { return QPaintEngine::User; }
    std::vector<TTexteEcrit> Textes;
};

// Sans résolution donnée, celle d'une image : les textes y ont la même taille.
class TEnregistreurTextes : public QPaintDevice {
public:
    TEnregistreurTextes(int largeur, int hauteur, int ppp = 0)
        : Largeur(largeur), Hauteur(hauteur), Ppp(ppp ? ppp : QImage(1, 1, QImage::Format_RGB32).logicalDpiY())
    {
    }
    QPaintEngine* paintEngine() const override { return &Moteur; }
    const std::vector<TTexteEcrit>& Textes() const { return Moteur.Textes; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return Largeur;
        case PdmHeight:
            return Hauteur;
        case PdmWidthMM:
            return Largeur * 254 / (10 * Ppp);
        case PdmHeightMM:
            return Hauteur * 254 / (10 * Ppp);
        case PdmDpiX:
        case PdmPhysicalDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return Ppp;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        case PdmNumColors:
            return INT_MAX;
        default:
            return m == PdmDepth ? 32 : 1;
        }
    }

private:
    int Largeur;
    int Hauteur;
    int Ppp;
    mutable TMoteurTextes Moteur;
};

inline int Occurrences(const std::vector<TTexteEcrit>& textes, const QString& t)
{
    return int(std::count_if(textes.begin(), textes.end(), [&](const TTexteEcrit& e) { return e.Texte == t; }));
}

inline const TTexteEcrit* Texte(const std::vector<TTexteEcrit>& textes, const QString& t)
{
    const auto i = std::find_if(textes.begin(), textes.end(), [&](const TTexteEcrit& e) { return e.Texte == t; });
    return i == textes.end() ? nullptr : &*i;
}

// Étiquettes « 10 » + exposant : boîte des deux textes, exposant.
struct TEtiquetteDecade {
    QRectF Boite;
    QString Exposant;
    std::size_t Rang = 0;  // du « 10 » parmi les textes
};

inline std::vector<TEtiquetteDecade> EtiquettesDecades(const std::vector<TTexteEcrit>& textes)
{
    std::vector<TEtiquetteDecade> etiquettes;
    for (std::size_t k = 0; k + 1 < textes.size(); ++k)
        if (textes[k].Texte == "10")
            etiquettes.push_back({textes[k].Boite.united(textes[k + 1].Boite), textes[k + 1].Texte, k});
    return etiquettes;
}

// Premier texte écrit (graduation, nom, autre étiquette) que couvre une étiquette de
// décade, au pixel près des arrondis de mesure ; nullptr si aucun.
inline const TTexteEcrit* TexteCouvert(const std::vector<TTexteEcrit>& textes)
{
    for (const TEtiquetteDecade& e : EtiquettesDecades(textes))
        for (std::size_t k = 0; k < textes.size(); ++k)
            if (k != e.Rang && k != e.Rang + 1 && textes[k].Boite.intersects(e.Boite.adjusted(1, 1, -1, -1)))
                return &textes[k];
    return nullptr;
}

// Textes écrits par un dessin sur une surface de cette taille.
template <typename Dessin>
std::vector<TTexteEcrit> TextesEcrits(int largeur, int hauteur, Dessin dessin)
{
    TEnregistreurTextes surface(largeur, hauteur);
    QPainter p(&surface);
    dessin(p);
    p.end();
    return surface.Textes();
}

// Graduations entières dont le centre tombe dans la bande, dans l'ordre d'écriture.
inline std::vector<TTexteEcrit> NombresDans(const std::vector<TTexteEcrit>& textes, const QRectF& bande)
{
    std::vector<TTexteEcrit> nombres;
    for (const TTexteEcrit& t : textes) {
        bool entier = false;
        t.Texte.toLongLong(&entier);
        if (entier && bande.contains(t.Boite.center()))
            nombres.push_back(t);
    }
    return nombres;
}

// Ce qu'un lecteur attend d'un axe des phases : quelques graduations à pas constant, ce pas
// de 45°, 90°, 180° ou d'un nombre rond de tours (1, 2 ou 5 × 10ⁿ), et aucune sur une autre.
inline void AttendPhasesLisibles(const std::vector<TTexteEcrit>& graduations)
{
    ASSERT_GE(graduations.size(), 2u);
    EXPECT_LE(graduations.size(), 13u);
    const long long pas = std::llabs(graduations[1].Texte.toLongLong() - graduations[0].Texte.toLongLong());
    for (std::size_t i = 1; i < graduations.size(); ++i)
        EXPECT_EQ(std::llabs(graduations[i].Texte.toLongLong() - graduations[i - 1].Texte.toLongLong()), pas)
            << graduations[i].Texte.toStdString();
    long long tours = pas / 360;
    while (tours >= 10 && tours % 10 == 0)
        tours /= 10;
    const bool rond = pas == 45 || pas == 90 || pas == 180 || (pas % 360 == 0 && (tours == 1 || tours == 2 || tours == 5));
    EXPECT_TRUE(rond) << pas;
    for (std::size_t i = 0; i < graduations.size(); ++i)
        for (std::size_t k = i + 1; k < graduations.size(); ++k)
            EXPECT_FALSE(graduations[i].Boite.intersects(graduations[k].Boite))
                << graduations[i].Texte.toStdString() << " sur " << graduations[k].Texte.toStdString();
}
