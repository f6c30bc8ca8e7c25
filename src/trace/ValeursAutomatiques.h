#pragma once
// Ce que les boutons automatiques des dialogues écrivent dans leurs champs, et les paramètres
// que ces textes donnent une fois relus : les dialogues et les images de kovra-calcul
// dessinent ainsi avec les mêmes échelles.
#include <QString>

#include "TraceEvans.h"
#include "coeur/Document.h"
#include "coeur/ValeursTemporelles.h"

enum class TEcartGains { Tracable, TropFaible, TropGrand };

// Un écart qui ne laisse pas deux graduations distinctes est trop faible ; des bornes
// graduées qui ne s'étiquettent plus (BornesEtiquetables), trop grand.
TEcartGains EcartGains(Reel gmin, Reel gmax, bool grilleFine);

struct TTextesFrequentiels {
    QString FreqMin;
    QString FreqMax;
    QString Min;  // gain minimum, ou X minimum de Nyquist
    QString Max;
    QString ImMin;  // Nyquist seul
    QString ImMax;
};

TTextesFrequentiels TextesAutoBode(const TDocument& doc);
TTextesFrequentiels TextesAutoNyquist(const TDocument& doc);
TTextesFrequentiels TextesAutoBlack(const TDocument& doc, bool quadriFin);

// Entrée d'une réponse : niveau de départ, second champ (niveau final ou pente), unité.
struct TTextesEntree {
    QString ConsI;
    QString Second;
    QString Unite;
};

struct TTextesEchellesReponse {
    QString TMax;
    QString YMin;
    QString YMax;
};

TTextesEntree EntreeAutoEchelon();
// La pente fait monter l'entrée de 1 sur la durée automatique.
TTextesEntree EntreeAutoRampe(const TDocument& doc);
// t max à quatre chiffres ; les bornes de la sortie avec assez de chiffres pour différer.
TTextesEchellesReponse TextesEchellesReponse(Reel tmax, Reel ymin, Reel ymax);
// Extrêmes de la réponse, tirés de ceux de l'échelon ou de la rampe unité, et ceux de
// l'entrée : l'entrée et la réponse tiennent toutes deux dans le cadre.
TTextesEchellesReponse EchellesAutoEchelon(const TDocument& doc, Reel consI, Reel consF);
TTextesEchellesReponse EchellesAutoRampe(const TDocument& doc, Reel consI, Reel pente);
// Impulsion de poids consF - consI : la partie régulière relevée sur [0, t max] ; la flèche de
// Dirac peut sortir du cadre.
TTextesEchellesReponse EchellesAutoImpulsion(const TDocument& doc, Reel consI, Reel consF);

// Les deux boutons automatiques pressés, les textes relus comme le dialogue les relit.
TParamBode ParamAutoBode(const TDocument& doc);
TParamNyquist ParamAutoNyquist(const TDocument& doc);
TParamBlack ParamAutoBlack(const TDocument& doc);
TParamEvans ParamAutoEvans(const TDocument& doc);
TParamReponse ParamAutoReponse(const TDocument& doc, TTypeReponse type);
