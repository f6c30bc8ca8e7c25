#include "Analyse.h"

#include <cmath>

#include "TextesValeurs.h"
#include "numerique/Tolerances.h"

namespace {

// Une partie imaginaire invisible devant le module de la racine n'est pas écrite.
std::string TexteRacine(TComplexe r, int chiffres)
{
    if (std::fabs(r.Im) <= ToleranceCommunes * Module(r))
        return NombreEnTexte(r.Re, chiffres);
    return ComplexeEnTexte(r, chiffres);
}

} // namespace

int AnalyseApresSaisieCoeur(TDocument& doc, const AvertissementRacine& avertir)
{
    const int chiffres = doc.ChiffresSignificatifs;
    SimplifieRacinesCommunes(doc.Systeme, [&](TComplexe r) {
        if (avertir)
            avertir(TexteRacine(r, chiffres));
    });
    doc.EtudeFaite = true;
    doc.Marges.reset();
    const int statut = DecomposeEnElementsSimples(doc.Systeme.Numerateur, doc.Systeme.Denominateur, doc.Systeme.PartieEntiere,
                                                  doc.Systeme.Decomposition);
    if (statut == DecompositionFaite)
        CalculeEchellesAuto(doc.Systeme, doc.EchellesAuto);
    return statut;
}
