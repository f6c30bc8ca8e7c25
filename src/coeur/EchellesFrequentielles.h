#pragma once
// Ce qu'un diagramme fréquentiel a dessiné : ses échelles, son cadre et ses points avec leurs
// pixels. La fenêtre garde celui de l'écran ; sa lecture à la souris, son tableau de valeurs et
// l'export le relisent. Une page ou une image a le sien, que personne ne garde.
#include <QRect>
#include <QString>
#include <vector>

#include "numerique/Complexes.h"

struct TEchellesFrequentielles {
    // Zone de dessin : la cible du tracé.
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
    bool AbaqueVisible = false;  // Black : l'abaque de Nichols dessinée avec la courbe
    bool QuadrillageFin = false;
    int NbPoints = 0;  // intervalles d'échantillonnage, 0 sans points à lire

    // La zone d'un tracé qui commence, sans points tant qu'il n'a pas abouti.
    static TEchellesFrequentielles Zone(const QRect& zone)
    {
        TEchellesFrequentielles e;
        e.ZoneGauche = zone.left();
        e.ZoneDroite = zone.left() + zone.width();
        e.ZoneHaut = zone.top();
        e.ZoneBas = zone.top() + zone.height();
        return e;
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

// Le relevé d'un diagramme fréquentiel : la cible de Nyquist peut être rognée à son dessin.
struct TTraceFrequentiel {
    TEchellesFrequentielles Echelles;
    TPointsFrequentiels Points;  // indices 1 à Echelles.NbPoints pour la lecture et le tableau
    QRect Cadre;
};
