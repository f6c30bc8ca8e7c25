#pragma once
// Deux documents égaux pour tout ce qu'un fichier de données contient.
#include <gtest/gtest.h>

#include "coeur/Document.h"

inline testing::AssertionResult MemePolynome(const TPolynome& a, const TPolynome& b)
{
    if (a.Degre != b.Degre || a.CoefsValides != b.CoefsValides || a.RacinesValides != b.RacinesValides)
        return testing::AssertionFailure() << "degré ou drapeaux";
    for (int i = 0; i <= DegreMax; ++i)
        if (!Egaux(a.Coef[i], b.Coef[i]) || !Egaux(a.Racines[i], b.Racines[i])
            || a.Multiplicites[i] != b.Multiplicites[i])
            return testing::AssertionFailure() << "rang " << i;
    return testing::AssertionSuccess();
}

inline testing::AssertionResult MemeDocument(const TDocument& a, const TDocument& b)
{
    if (!MemePolynome(a.Systeme.Numerateur, b.Systeme.Numerateur))
        return testing::AssertionFailure() << "numérateur";
    if (!MemePolynome(a.Systeme.Denominateur, b.Systeme.Denominateur))
        return testing::AssertionFailure() << "dénominateur";
    for (int i = 0; i < NbElementsCouleur; ++i)
        if (a.SchemaCouleurs[i].Couleur != b.SchemaCouleurs[i].Couleur
            || a.SchemaCouleurs[i].Cle != b.SchemaCouleurs[i].Cle)
            return testing::AssertionFailure() << "couleur " << i;
    if (a.Systeme.TempsMort != b.Systeme.TempsMort || a.ImpressionCouleur != b.ImpressionCouleur
        || a.PhaseSymetrique != b.PhaseSymetrique || a.AbaqueGains != b.AbaqueGains
        || a.AbaquePhases != b.AbaquePhases)
        return testing::AssertionFailure() << "temps mort, drapeaux ou abaque";
    if (a.Correcteur.has_value() != b.Correcteur.has_value()
        || (a.Correcteur
            && (a.Correcteur->Type != b.Correcteur->Type || a.Correcteur->K != b.Correcteur->K
                || a.Correcteur->Ti != b.Correcteur->Ti || a.Correcteur->Td != b.Correcteur->Td
                || a.Correcteur->N != b.Correcteur->N || a.Correcteur->A != b.Correcteur->A
                || a.Correcteur->B != b.Correcteur->B || a.Correcteur->Tau != b.Correcteur->Tau)))
        return testing::AssertionFailure() << "correcteur";
    if (a.NomFichierDonnees != b.NomFichierDonnees || a.DossierFichiers != b.DossierFichiers)
        return testing::AssertionFailure() << "noms de fichier";
    return testing::AssertionSuccess();
}
