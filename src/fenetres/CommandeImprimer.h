#pragma once
// Commande « Imprimer » des fenêtres de dessin : le dialogue de taille devant la fenêtre, puis,
// s'il est validé, une page en portrait avec les valeurs relues dans ses champs.
#include <functional>

#include "DialogueRattache.h"
#include "trace/PageImprimee.h"

class QPainter;
class TImpression;
class TTailleImpression;

struct TOutilsImpression {
    TTailleImpression* Taille = nullptr;
    TImpression* Impression = nullptr;
};

using TPageAvecValeurs = std::function<void(QPainter& p, const QRect& page, int resolution,
                                            const TValeursImpression& valeurs)>;

// Les valeurs validées sont gardées par la fenêtre dans `valeurs` ; vrai si la page est partie.
bool CommandeImprimer(QWidget& fenetre, const TOutilsImpression& outils, const TExecutionDialogue& execute,
                      TValeursImpression& valeurs, const QString& titre, const TPageAvecValeurs& page);
