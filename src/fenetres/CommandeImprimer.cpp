#include "CommandeImprimer.h"

#include "Impression.h"
#include "USaisieTailleImpr.h"

bool CommandeImprimer(QWidget& fenetre, const TOutilsImpression& outils, const TExecutionDialogue& execute,
                      TValeursImpression& valeurs, const QString& titre, const TPageAvecValeurs& page)
{
    if (!outils.Taille || !outils.Impression)
        return false;
    outils.Taille->Prepare();
    if (!ExecuteDevant(*outils.Taille, fenetre, execute))
        return false;
    valeurs = outils.Taille->Valeurs();
    return outils.Impression->Imprime(titre, QPageLayout::Portrait,
                                      [&](QPainter& p, const QRect& cadre, int resolution) {
                                          page(p, cadre, resolution, valeurs);
                                      });
}
