#pragma once
// Remplissage d'un classeur modèle avec le diagramme ou la réponse à l'écran : échantillons,
// en-têtes, lieux de l'abaque de Nichols et réglages des axes des graphiques. Les échelles
// sont celles du tracé que la fenêtre a gardé ; les valeurs sont recalculées ici, le document
// n'est pas touché.
#include <functional>

#include "Classeur.h"
#include "DispositionClasseur.h"
#include "Document.h"
#include "EchellesFrequentielles.h"
#include "ValeursTemporelles.h"

// Un pas de la barre de progression : un échantillon ou un lieu de l'abaque.
using TAvanceExport = std::function<void()>;

// Feuilles : Bode, Black, Nyquist (tout autre diagramme) ; échelon, rampe.
int FeuilleDiagramme(TTypeDiagramme type);
int FeuilleReponse(TTypeReponse type);

int EtapesExportDiagramme(const TDocument& doc, const TEchellesFrequentielles& echelles);
int EtapesExportReponse();

void ExporteDiagramme(TClasseur& classeur, const TDocument& doc, const TEchellesFrequentielles& echelles,
                      const TAvanceExport& avance);
void ExporteReponse(TClasseur& classeur, const TDocument& doc, const TValeursTemporelles& valeurs,
                    const TAvanceExport& avance);

struct TUniteTemps {
    QString Nom;  // "s", "ms", "µs", "ns", "ps", "fs"
    Reel Facteur = 1;
};
// Des secondes aux femtosecondes, d'après le pas de graduation du temps.
TUniteTemps UniteTemps(Reel pasTemps);
