#pragma once
// Seules entrées des diagrammes fréquentiels et des réponses temporelles : les fenêtres, les
// pages imprimées et kovra-calcul choisissent le dessin par son type et le support par sa
// mise en page. Le document n'est que lu ; chaque dessin rend son relevé, que la fenêtre
// garde pour l'écran et que la page ou l'image laisse.
#include <QRect>

#include "coeur/Document.h"
#include "coeur/EchellesFrequentielles.h"
#include "coeur/ValeursTemporelles.h"
#include "TraceAsymptotes.h"
#include "TraceCaracteristiques.h"
#include "TraceEvans.h"

class QPainter;
struct TLieuxAbaque;
struct TMarges;

enum class TSupport { Ecran, Page };

struct TDemandeDiagramme {
    TTypeDiagramme Type = TTypeDiagramme::Aucun;
    TParamBode Bode;
    TParamNyquist Nyquist;
    TParamBlack Black;
    TParamEvans Evans;
    TLieuxAbaque* LieuxAbaque = nullptr;  // lieux de l'abaque gardés par la fenêtre, d'un dessin à l'autre
    const TTraceEvans* EvansPrecedent = nullptr;  // branches déjà calculées, reprises au même cadre
    const TMarges* Marges = nullptr;      // leurs marques sur le diagramme, rien sans elles
    bool Asymptotes = false;              // Bode : droites asymptotiques par-dessus les courbes
    TSupport Support = TSupport::Ecran;
    int Resolution = 96;  // pixels par pouce du support
    bool Couleur = true;  // page : couleurs du schéma ou tout en noir
};

// Ce qu'un diagramme a dessiné : la lecture à la souris et le tableau des valeurs le relisent.
struct TTraceDiagramme {
    TTypeDiagramme Type = TTypeDiagramme::Aucun;
    TTraceFrequentiel Frequentiel;  // Bode, Nyquist et Black ; sans points sinon
    TTraceEvans Evans;              // lieu d'Evans ; vide sinon
    std::optional<TAsymptotesTracees> Asymptotes;  // Bode, quand on les a demandées
};

struct TResultatDiagramme {
    bool Trace = false;  // faux : échelles intraçables, le fond seul
    QRect Cadre;         // le cadre de la page, que certaines pages rognent à leur dessin
    TTraceDiagramme Dessin;
};

TResultatDiagramme TracerDiagramme(QPainter& surface, const QRect& cible, const TDocument& doc,
                                   const TDemandeDiagramme& demande);

struct TDemandeReponse {
    TTypeReponse Type = TTypeReponse::Aucune;
    TParamReponse Param;  // lu dans le dialogue de l'échelon ou de la rampe
    // Échelon seul : bande, pic et temps lus par-dessus la réponse, à 5 % ou à 2 %.
    bool Caracteristiques = false;
    bool BandeDeuxPourCent = false;
    TSupport Support = TSupport::Ecran;
    int Resolution = 96;
    bool Couleur = true;
};

struct TResultatReponse {
    bool Trace = false;
    TValeursTemporelles Valeurs;  // l'entrée et les échelles arrondies du tracé
    std::optional<TCaracteristiquesDessinees> Caracteristiques;  // demandées et tracées
    std::optional<QPoint> Dirac;  // réponse impulsionnelle : pointe de la flèche de Dirac
};

TResultatReponse TracerReponse(QPainter& surface, const QRect& cible, const TDocument& doc,
                               const TDemandeReponse& demande);
