#pragma once
// Lecture des dessins dans les tests : couleur d'une clé du schéma, pixels d'une couleur
// exacte dans une zone, et surface qui ne garde que les textes écrits avec leur point de base.
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <vector>

#include "coeur/Document.h"
#include "trace/CouleurQt.h"

inline QRgb Couleur(const TDocument& doc, const char* cle)
{
    return CouleurQt(CouleurDe(doc.SchemaCouleurs, QString::fromLatin1(cle))).rgb();
}

inline int CompteCouleur(const QImage& image, QRgb couleur, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = std::max(y0, 0); y <= std::min(y1, image.height() - 1); ++y)
        for (int x = std::max(x0, 0); x <= std::min(x1, image.width() - 1); ++x)
            n += image.pixel(x, y) == couleur;
    return n;
}

struct TTexteEcrit {
    QString Texte;
    QPointF Position;  // point de base
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
    void drawTextItem(const QPointF& p, const QTextItem& t) override { Textes.push_back({t.text(), p}); }
    Type type() const override { return QPaintEngine::User; }
    std::vector<TTexteEcrit> Textes;
};

// Même résolution qu'une image : les textes y ont la même taille et la même place.
class TEnregistreurTextes : public QPaintDevice {
public:
    TEnregistreurTextes(int largeur, int hauteur) : Largeur(largeur), Hauteur(hauteur) {}
    QPaintEngine* paintEngine() const override { return &Moteur; }
    const std::vector<TTexteEcrit>& Textes() const { return Moteur.Textes; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        static const QImage reference(1, 1, QImage::Format_RGB32);
        switch (m) {
        case PdmWidth:
            return Largeur;
        case PdmHeight:
            return Hauteur;
        case PdmWidthMM:
            return Largeur * 254 / (10 * reference.logicalDpiX());
        case PdmHeightMM:
            return Hauteur * 254 / (10 * reference.logicalDpiY());
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return reference.logicalDpiX();
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return reference.logicalDpiY();
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
    mutable TMoteurTextes Moteur;
};

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

inline int Occurrences(const std::vector<TTexteEcrit>& textes, const QString& t)
{
    return int(std::count_if(textes.begin(), textes.end(), [&](const TTexteEcrit& e) { return e.Texte == t; }));
}

inline const TTexteEcrit* TexteEcrit(const std::vector<TTexteEcrit>& textes, const QString& t)
{
    const auto it = std::find_if(textes.begin(), textes.end(), [&](const TTexteEcrit& e) { return e.Texte == t; });
    return it == textes.end() ? nullptr : &*it;
}
