#pragma once
// Abaque de Nichols sur le diagramme de Black : lieux de gain et de phase constants en boucle
// fermée, tracés en boucle ouverte et répétés en miroir de l'autre côté de l'axe des phases.
#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "Graphisme.h"
#include "numerique/Complexes.h"
#include "numerique/VersBoucleOuverte.h"

class TTraceur;
struct TDocument;

// Longueurs en pixels.
struct TMiseEnPageAbaque {
    // Lieux de gain : phases en boucle fermée depuis `PhaseDepart`, par pas fins jusqu'à
    // -`FinPartieFine`, puis de degré en degré jusqu'à -179.
    Reel PhaseDepart = -0.001L;
    Reel PasFin = 0.1L;
    int FinPartieFine = 10;
    // Lieux de phase : gains en boucle fermée de +15 dB au gain minimum multiplié par le facteur.
    int NbPointsPhase = 700;
    Reel FacteurGainBas = 1.1L;
    int ToleranceDiagonale = 7;           // écart à la diagonale des étiquettes de phase
    std::optional<Reel> TailleEtiquettes; // sinon proportionnelle à la diagonale de la cible
    QString UniteGain = QStringLiteral(" dB");
    // Placement des étiquettes de gain.
    int Bord = 5;           // distance minimale au bord gauche ou à l'axe
    int ProcheAxe = 5;      // étiquette ramenée sous le bord haut quand le lieu y entre
    int Marge = 30;         // … assez loin de l'axe ou du bord droit
    int SousAxe = 2;
    int Ecart = 5;          // fin du texte avant l'axe ou le bord droit
    int DecalageX = 3;      // place de repli, contre le bord ou l'axe
    int DecalageY = 5;

    static TMiseEnPageAbaque Ecran() { return {}; }
    static TMiseEnPageAbaque Page(int resolution);
};

// Phase symétrique d'une phase en boucle ouverte par rapport à l'axe de la plage : 0° en
// plage symétrique, -180° sinon.
Reel Miroir(Reel phase, bool phaseSymetrique);

// Coin haut gauche de l'étiquette d'un lieu de gain trouvé en `point`, `axe` étant le pixel de
// l'axe de symétrie au gain maximum.
QPoint PlaceEtiquetteGain(QPoint point, QSize texte, const TRepere& r, QPoint axe, bool phaseSymetrique,
                          const TMiseEnPageAbaque& mise);

// Lieux de l'abaque en boucle ouverte : ils ne dépendent que des listes, de la plage des
// phases, du gain minimum et des pas ; gardés par la fenêtre, un redimensionnement ou une
// lecture à la souris ne refont que leur placement en pixels.
struct TLieuxAbaque {
    bool Calcules = false;
    std::vector<Reel> Gains;
    std::vector<Reel> Phases;
    bool Symetrique = false;
    Reel GainBas = 0;
    Reel PasFin = 0;
    Reel PhaseDepart = 0;
    int FinPartieFine = 0;
    int NbPointsPhase = 0;
    std::vector<std::vector<TGainPhase>> LieuxGain;
    std::vector<std::vector<TGainPhase>> LieuxPhase;
};

// Chaque point d'un lieu n'est calculé qu'une fois, repris de `memoire` quand il est à jour ; les segments partent en une seule fois.
// Un lieu sans point dans le cadre n'a pas d'étiquette. Les étiquettes masquent le lieu qui
// les traverse : sans cela le trait efface le signe moins de « -3 dB ».
void TracerAbaqueNichols(TTraceur& t, const TRepere& r, const QSize& cible, const TDocument& doc,
                         const TMiseEnPageAbaque& mise, TLieuxAbaque* memoire = nullptr);
// La même sur la plage fixe donnée, et non celle du document : la phase continue répète
// l'abaque de −360° à 0° tous les 360°.
void TracerAbaqueNichols(TTraceur& t, const TRepere& r, const QSize& cible, const TDocument& doc,
                         bool phaseSymetrique, const TMiseEnPageAbaque& mise, TLieuxAbaque* memoire);
