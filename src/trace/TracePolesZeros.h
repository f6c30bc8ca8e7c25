#pragma once
// Carte des pôles et des zéros : × pour les pôles, ○ pour les zéros, multiplicité écrite à côté,
// échelles égales, axe imaginaire épais, grille facultative d'amortissement et de pulsation
// propre constants. Le dessin rend ce qu'il a tracé ; la fenêtre le garde pour la lecture.
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "Graphisme.h"
#include "PageImprimee.h"
#include "TraceEvans.h"

class QPainter;
struct TDocument;

struct TParamPolesZeros {
    bool Grille = true;
    QString Titre;
};

// Celle du lieu d'Evans, le même plan : croix et ronds de demi-côté DemiPole.
struct TMiseEnPagePolesZeros : TMiseEnPageEvans {
    int EcartMultiplicite = 3;  // de la marque au chiffre de la multiplicité
    int PointsCercle = 90;      // cordes d'un demi-cercle de pulsation constante

    static TMiseEnPagePolesZeros Ecran();
    static TMiseEnPagePolesZeros Page(int resolution, bool couleur);
};

struct TRacineDessinee {
    TComplexe Valeur;
    int Multiplicite = 1;
    bool Pole = true;
    bool Visible = false;  // dans le cadre
    QPoint Pixel;
};

// Ce que le dessin a tracé : son repère (cadre en pixels et bornes du monde, mêmes unités par
// pixel sur les deux axes) et chaque racine distincte avec son pixel.
struct TDessinPolesZeros {
    bool Trace = false;
    TRepere Repere;
    std::vector<TRacineDessinee> Racines;
};

TDessinPolesZeros TracerPolesZeros(QPainter& surface, const QRect& cible, const TDocument& doc,
                                   const TParamPolesZeros& param, const TMiseEnPagePolesZeros& mise);

// La page imprimée : le dessin dans le cadre choisi, sous lui le titre de l'utilisateur.
void ImprimePolesZeros(QPainter& p, const QRect& page, int resolution, const TDocument& doc,
                       const TParamPolesZeros& param, const TValeursImpression& v);

// Racine visible la plus proche du pixel, d'après le dessin.
std::optional<TRacineDessinee> RacineLaPlusProche(const TDessinPolesZeros& dessin, QPoint pixel);
// ζ = -Re/|p| et ωn = |p| ; ζ vaut 0 pour une racine nulle.
Reel AmortissementDe(TComplexe p);
