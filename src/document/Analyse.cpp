#include "Analyse.h"

#include "../numerique/EchellesAuto.h"

int AnalyseApresSaisieCoeur(TDocument& doc, const AvertissementRacine& avertir)
{
    SimplifieRacinesCommunes(doc, doc.ChiffresSignificatifs, avertir);
    doc.EtudeFaite = true;
    const int statut = DecomposeEnElementsSimples(doc.Numerateur, doc.Denominateur, doc.PartieEntiere,
                                                  doc.Decomposition);
    if (statut == DecompositionFaite)
        CalculeEchellesAuto(doc, doc);
    return statut;
}

TSysteme SystemeAvecRampe(const TDocument& doc)
{
    TSysteme s = doc;
    if (!s.SystemeStable) {
        s.SystemeStable = true;
        TEchellesAuto ignorees;
        CalculeEchellesAuto(s, ignorees);
    }
    return s;
}
