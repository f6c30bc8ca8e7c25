#include "Analyse.h"

int AnalyseApresSaisieCoeur(TDocument& doc, const AvertissementRacine& avertir)
{
    SimplifieRacinesCommunes(doc, doc.ChiffresSignificatifs, avertir);
    doc.EtudeFaite = true;
    doc.Marges.reset();
    const int statut = DecomposeEnElementsSimples(doc.Numerateur, doc.Denominateur, doc.PartieEntiere,
                                                  doc.Decomposition);
    if (statut == DecompositionFaite)
        CalculeEchellesAuto(doc, doc);
    return statut;
}
