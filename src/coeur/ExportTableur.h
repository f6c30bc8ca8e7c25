#pragma once
// Remplissage d'un classeur modèle avec le diagramme ou la réponse à l'écran : échantillons,
// en-têtes, lieux de l'abaque de Nichols et réglages des axes des graphiques. Les échelles
// sont celles que le dernier tracé a laissées dans le document ; la réponse est recalculée ici.
#include <functional>

#include "Classeur.h"
#include "DispositionClasseur.h"
#include "Document.h"

// Un pas de la barre de progression : un échantillon ou un lieu de l'abaque.
using TAvanceExport = std::function<void()>;

// Feuilles : Bode, Black, Nyquist (tout autre diagramme) ; échelon, rampe.
int FeuilleDiagramme(TTypeDiagramme type);
int FeuilleReponse(TTypeReponse type);

int EtapesExportDiagramme(const TDocument& doc);
int EtapesExportReponse();

// Fixe aussi le nombre de points du document à celui des échantillons écrits.
void ExporteDiagramme(TClasseur& classeur, TDocument& doc, const TAvanceExport& avance);
void ExporteReponse(TClasseur& classeur, const TDocument& doc, const TAvanceExport& avance);

struct TUniteTemps {
    QString Nom;  // "s", "ms", "µs", "ns", "ps", "fs"
    Reel Facteur = 1;
};
// Des secondes aux femtosecondes, d'après le pas de graduation du temps.
TUniteTemps UniteTemps(Reel pasTemps);
