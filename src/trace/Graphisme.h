#pragma once
// Repères de tracé : un rectangle de pixels lié à un rectangle du monde, le passage de l'un
// à l'autre, le découpage des segments au cadre et les pas de graduation.
// Seuls TracerSegment et Minuscules touchent Qt ; le reste se teste sans surface.
#include <optional>
#include <vector>

#include "numerique/Arrondis.h"

class QPainter;
class QString;

struct TRepere {
    int PixGauche = 0;
    int PixHaut = 0;
    int PixDroite = 0;
    int PixBas = 0;
    Reel XMin = 0;
    Reel YMin = 0;
    Reel XMax = 0;
    Reel YMax = 0;
};

struct TPixel {
    int X = 0;
    int Y = 0;
    bool Dehors = false;  // hors du rectangle de pixels (avant bornage)
};

struct TSegmentPixel {
    TPixel Debut;
    TPixel Fin;
};

// Les diagrammes fréquentiels ramènent au bord ce qui tombe hors du cadre ;
// les réponses temporelles et la page imprimée par Graphisme ne bornent pas.
enum class TBornage { Libre, Borne };

// Refusent (nullopt) un cadre d'étendue nulle, un point non fini et, sans bornage,
// un pixel qui ne tient pas sur 32 bits.
std::optional<TPixel> VersPixel(const TRepere& r, Reel x, Reel y);
std::optional<TPixel> VersPixelBorne(const TRepere& r, Reel x, Reel y);
std::optional<TPixel> VersPixelSelon(const TRepere& r, Reel x, Reel y, TBornage bornage);
std::optional<TPixel> DecalagePixel(const TRepere& r, int dx, int dy);
// Pixel d'un point du cadre ; rien pour un point dehors, qu'aucune marque ne ramène au bord.
std::optional<TPixel> VersPixelDedans(const TRepere& r, Reel x, Reel y);

bool HorsCadre(const TRepere& r, Reel x, Reel y);
bool SurBord(const TRepere& r, Reel x, Reel y);

// Partie du segment du monde visible dans le cadre, en pixels ; rien si elle est vide
// ou si le calcul est refusé.
std::optional<TSegmentPixel> DecoupeSegment(const TRepere& r, Reel x1, Reel y1, Reel x2, Reel y2,
                                            TBornage bornage);

// Un point du monde avec ce que le découpage en tire : calculé une fois, il sert aux deux
// segments qui le partagent.
struct TPointDecoupe {
    Reel X = 0;
    Reel Y = 0;
    bool Fini = false;
    bool Dehors = true;            // HorsCadre
    std::optional<TPixel> Pixel;   // seulement dans le cadre
};
TPointDecoupe PointDecoupe(const TRepere& r, Reel x, Reel y, TBornage bornage);

// Le passage aux pixels d'un repère, ses étendues calculées une fois, par les mêmes
// opérations que VersPixelSelon et HorsCadre : l'abaque de Nichols place des dizaines de
// milliers de points par dessin.
class TProjection {
public:
    explicit TProjection(const TRepere& r);
    const TRepere& Repere() const { return R; }
    std::optional<TPixel> Pixel(Reel x, Reel y, TBornage bornage) const;
    bool HorsCadre(Reel x, Reel y) const;
    TPointDecoupe Point(Reel x, Reel y, TBornage bornage) const;
    std::optional<TSegmentPixel> Segment(const TPointDecoupe& a, const TPointDecoupe& b, TBornage bornage) const;

private:
    TRepere R;
    Reel Largeur;
    Reel Hauteur;
    Reel EtendueX;
    Reel EtendueY;
    Reel MargeX;
    Reel MargeY;
    bool Nulle;
};
std::optional<TSegmentPixel> DecoupeSegment(const TRepere& r, const TPointDecoupe& a, const TPointDecoupe& b,
                                            TBornage bornage);
void TracerSegment(const TRepere& r, QPainter& surface, Reel x1, Reel y1, Reel x2, Reel y2,
                   TBornage bornage);

// Entier le plus proche (moitiés vers le pair) : exposants des décades, décalages en pixels.
int EntierProche(Reel v);

// Pas de graduation d'un axe ; rien pour une étendue qui n'est pas finie et positive.
std::optional<Reel> PasGraduation(Reel etendue, bool fin);

// Dès 1e100, les étiquettes des graduations prennent un exposant à trois chiffres, plus larges
// que les marges que les cadres leur laissent : elles débordent et se chevauchent. Faux aussi
// pour une borne qui n'est pas finie.
bool BornesEtiquetables(Reel min, Reel max);

// Élargit [min, max] aux multiples du pas ; une borne à moins de `marge` d'un multiple y reste.
// Un pas qui n'est pas fini et positif ne change rien.
TBornes BornesGraduees(Reel min, Reel max, Reel pas, Reel marge = 1e-6L);

// Multiples du pas entre min et max, du haut vers le bas, dans l'ordre du tracé.
std::vector<Reel> Graduations(Reel min, Reel max, Reel pas);
// Chiffres significatifs, au moins un, qui écrivent exactement chacune de ces valeurs :
// avec un seul chiffre, -15 s'écrirait -2E1.
int ChiffresGraduation(const std::vector<Reel>& valeurs, Reel pas);

QString Minuscules(const QString& texte);
