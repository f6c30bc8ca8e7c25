#pragma once
// Échelles et points échantillonnés du dernier diagramme fréquentiel dessiné à l'écran :
// la lecture à la souris, le tableau de valeurs, l'impression et l'export les relisent.
#include <QRect>
#include <QString>
#include <vector>

#include "numerique/Complexes.h"

struct TEchellesFrequentielles {
    // Zone de dessin : 0, largeur, 0, hauteur de la fenêtre au dernier tracé.
    int ZoneGauche = 0;
    int ZoneDroite = 0;
    int ZoneHaut = 0;
    int ZoneBas = 0;
    Reel FreqMin = 0;  // Hz, arrondies aux décades
    Reel FreqMax = 0;
    Reel LogFreqMin = 0;
    Reel LogFreqMax = 0;
    Reel GainMin = 0;  // dB, arrondis au pas de graduation
    Reel GainMax = 0;
    Reel PhaseMin = -360;  // degrés
    Reel PhaseMax = 0;
    Reel ReelMax = 0;  // axes de Nyquist arrondis
    Reel ReelMin = 0;
    Reel ImMax = 0;
    Reel ImMin = 0;
    bool AbaqueVisible = false;
    bool QuadrillageFin = false;
    int NbPoints = 0;  // intervalles d'échantillonnage du dernier tracé

    // Début d'un tracé à l'écran : sa zone, et plus aucun point à lire tant qu'il n'a pas abouti.
    void Recommence(const QRect& zone)
    {
        NbPoints = 0;
        ZoneGauche = zone.left();
        ZoneDroite = zone.left() + zone.width();
        ZoneHaut = zone.top();
        ZoneBas = zone.top() + zone.height();
    }
};

// Ce que chaque dialogue d'échelles transmet à son diagramme, avant tout arrondi.
struct TParamBode {
    Reel FreqMin = 0;  // Hz
    Reel FreqMax = 0;
    Reel GainMin = 0;  // dB
    Reel GainMax = 0;
    QString Titre;
};

struct TParamNyquist {
    Reel FreqMin = 0;
    Reel FreqMax = 0;
    Reel ReMin = 0;
    Reel ReMax = 0;
    Reel ImMin = 0;
    Reel ImMax = 0;
    QString Titre;
    bool AffichageFrequence = false;
};

struct TParamBlack {
    Reel FreqMin = 0;
    Reel FreqMax = 0;
    Reel GainMin = 0;
    Reel GainMax = 0;
    QString Titre;
    bool AffichageFrequence = false;
    bool QuadriFin = false;
};

// Valeur1 à Valeur4 : les grandeurs que le diagramme range, dans l'ordre que donne
// GrandeursRangees (GrandeursPoints.h).
struct TPointFrequentiel {
    Reel Frequence = 0;
    Reel Valeur1 = 0;
    Reel Valeur2 = 0;
    Reel Valeur3 = 0;
    Reel Valeur4 = 0;
    int PixelX = 0;
    int PixelY1 = 0;
    int PixelY2 = 0;  // Bode seul : ligne sur la phase
};

inline constexpr int IndicePointMin = -2;
inline constexpr int IndicePointMax = 2000;
// Ligne gardée pour une valeur qui n'est pas finie (module nul ou infini) : loin de toute
// fenêtre, pour qu'aucun clic ne la trouve, et sans débordement quand on en soustrait un pixel.
inline constexpr int PixelAbsent = -1000000;

// Indices de -2 à 2000 : Nyquist et Black amorcent leurs repères avec deux points sous fmin.
// Un indice hors de ces bornes lève std::out_of_range plutôt que d'écrire n'importe où.
class TPointsFrequentiels {
public:
    TPointsFrequentiels() : Points(IndicePointMax - IndicePointMin + 1) {}
    TPointFrequentiel& operator[](int i) { return Points.at(static_cast<std::size_t>(i - IndicePointMin)); }
    const TPointFrequentiel& operator[](int i) const
    {
        return Points.at(static_cast<std::size_t>(i - IndicePointMin));
    }

private:
    std::vector<TPointFrequentiel> Points;
};
