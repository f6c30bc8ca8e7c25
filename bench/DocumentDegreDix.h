#pragma once
// Le document des bancs qui dessinent : une fonction de degré 10 retardée, non analysée.
#include "coeur/Document.h"

// (1 + 0.5 p + 0.1 p²) / (1 + p)^10 : coefficients par puissance croissante.
inline TDocument DocumentDegreDix()
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = InitPolynomeValide();
    doc.Systeme.Numerateur.Degre = 2;
    doc.Systeme.Numerateur.Coef[0] = ComplexeReel(1);
    doc.Systeme.Numerateur.Coef[1] = ComplexeReel(0.5L);
    doc.Systeme.Numerateur.Coef[2] = ComplexeReel(0.1L);
    doc.Systeme.Denominateur = InitPolynomeValide();
    doc.Systeme.Denominateur.Degre = 10;
    Reel binome = 1;
    for (int k = 0; k <= 10; ++k) {
        doc.Systeme.Denominateur.Coef[k] = ComplexeReel(binome);
        binome = binome * (10 - k) / (k + 1);
    }
    doc.Systeme.TempsMort = 0.05L;
    return doc;
}
