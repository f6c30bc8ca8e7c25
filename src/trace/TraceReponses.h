#pragma once
// Réponses à un échelon et à une rampe, dessinées avec leur entrée sur une grille graduée
// qui part de t = 0. Une seule routine sert l'écran et la page ; seule la mise en page change.
#include <QRect>
#include <optional>

#include "MiseEnPage.h"
#include "TraceCaracteristiques.h"
#include "coeur/Document.h"
#include "coeur/ValeursTemporelles.h"

class QPainter;

struct TMiseEnPageReponse : TMiseEnPage {
    bool IntervallesPositifs = false;  // rampe à l'écran : pas compté sur [0, TMax], départ à -TMax/10
    int EcartGraduations = 2;          // fin des graduations de la sortie à gauche de t = 0
    int DecalageGraduations = 1;       // haut des graduations des temps sous le cadre
    int TitreHaut = -20;               // haut du titre depuis le haut du cadre…
    bool TitreDepuisCible = false;     // …ou depuis le haut de la cible
    Reel TailleLegende = 12;

    // Cadre de l'échelon de 0,05 à 0,97 en largeur et de 0,03 à 0,95 en hauteur ; la rampe
    // garde ceux de la base.
    static TMiseEnPageReponse Ecran(TTypeReponse type);
    // Page imprimée : 4000 intervalles, les noms des axes comme à l'écran, titre sous le haut de
    // la cible ; en noir, l'entrée en tirets.
    static TMiseEnPageReponse Page(int resolution, bool couleur);
};

// L'entrée et les échelles arrondies du tracé, et les caractéristiques quand on les demande.
struct TReponseTracee {
    TValeursTemporelles Valeurs;
    std::optional<TCaracteristiquesDessinees> Caracteristiques;
    std::optional<QPoint> Dirac;  // pointe de la flèche de l'impulsion de Dirac, dans le cadre
};

// Rien quand les échelles ne se graduent pas ou que la cible est trop petite : le fond seul.
// Les caractéristiques demandées suivent l'échelon tracé (amplitude et départ pris ici).
std::optional<TReponseTracee> TracerReponseIndicielle(QPainter& surface, const QRect& cible, const TDocument& doc,
                                                      const TParamReponse& param, const TMiseEnPageReponse& mise,
                                                      const std::optional<TOptionsCaracteristiques>& caracteristiques);
// Réponse à une impulsion de poids ConsF - ConsI ; sa part de Dirac en flèche nommée.
std::optional<TReponseTracee> TracerReponseImpulsionnelle(QPainter& surface, const QRect& cible, const TDocument& doc,
                                                          const TParamReponse& param, const TMiseEnPageReponse& mise);
std::optional<TReponseTracee> TracerReponseRampe(QPainter& surface, const QRect& cible, const TDocument& doc,
                                                 const TParamReponse& param, const TMiseEnPageReponse& mise);
