#pragma once
// Caractéristiques par-dessus la réponse indicielle, dans son cadre (temps en secondes, réponse) :
// bande de ±5 % (ou ±2 %) en tirets autour de la valeur finale, pic marqué, temps de montée et de
// réponse en traits nommés sur l'axe des temps, valeurs dans un coin. Rend ce qu'il a tracé.
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <optional>

#include "Graphisme.h"
#include "MiseEnPage.h"
#include "coeur/SchemaCouleurs.h"
#include "numerique/CaracteristiquesIndicielle.h"

class QPainter;

struct TOptionsCaracteristiques {
    bool BandeDeuxPourCent = false;
    Reel Echelon = 1;     // amplitude de l'échelon : la réponse tracée est Echelon.y
    Reel Depart = 0;      // niveau de repos ajouté
    int HauteurTrait = 8; // traits des temps sur l'axe
    int RayonPic = 4;
};

struct TCaracteristiquesDessinees {
    std::optional<QPoint> Pic;
    std::optional<QPoint> Montee;   // pied du trait de 90 % (fin de la montée)
    std::optional<QPoint> Reponse;  // pied du trait du temps de réponse
    int BandeHaute = -1;            // ordonnées pixel des bords de la bande, -1 hors cadre
    int BandeBasse = -1;
    QRect Valeurs;                  // le cartouche des valeurs
    QStringList Lignes;             // ses lignes
};

// Sans caractéristiques, leur raison seule dans le cartouche.
TCaracteristiquesDessinees TracerCaracteristiques(QPainter& surface, const TSchemaCouleurs& schema,
                                                  const TMiseEnPage& mise, const TRepere& r,
                                                  const TCaracteristiques& c, const TOptionsCaracteristiques& options);
