#pragma once
// Surface de peinture qui ne garde que les textes écrits, pour les tests des dessins.
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QString>
#include <climits>
#include <vector>

// Surface qui ne garde que les textes écrits et leur point de base.
struct TTexteEcrit {
    QString Texte;
    QPointF Position;
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

class TEnregistreurTextes : public QPaintDevice {
public:
    TEnregistreurTextes(int largeur, int hauteur) : Largeur(largeur), Hauteur(hauteur) {}
    QPaintEngine* paintEngine() const override { return &Moteur; }
    const std::vector<TTexteEcrit>& Textes() const { return Moteur.Textes; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        // Même résolution qu'une image : les textes y ont la même taille.
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
