#pragma once
// Référence indépendante des réponses temporelles à tout instant, en précision quadruple : racines
// du dénominateur par Durand-Kerner (ReferenceQuad.h), puis somme des résidus de
// N(p).e^(pt) / (p^q.D(p)), chaque résidu pris sur le produit des écarts entre ces mêmes racines.
// Un jeu cohérent de racines d'un polynôme à 1e-34 près du donné : la somme n'a pour erreur que
// la sensibilité de la réponse à cet écart. Pôles simples et D(0) non nul.
#include <vector>

#include "ReferenceQuad.h"

inline QC ExpQuad(QC z)
{
    const Quad m = expq(z.Re);
    return {m * cosq(z.Im), m * sinq(z.Im)};
}

struct TReponsesQuad {
    Quad Indicielle = 0;
    Quad Rampe = 0;
};

// Réponses à l'échelon et à la rampe unitaires de N/D (coefficients réels croissants) à l'instant t.
class TReferenceResidus {
public:
    TReferenceResidus(const PQ& n, const PQ& d) : n_(n), d_(d), poles_(RacinesQuad(d)) {}

    TReponsesQuad En(Quad t) const
    {
        const Quad n0 = n_[0];
        const Quad n1 = n_.size() > 1 ? n_[1] : 0;
        const Quad d0 = d_[0];
        const Quad d1 = d_.size() > 1 ? d_[1] : 0;
        TReponsesQuad y{n0 / d0, t * n0 / d0 + (n1 * d0 - n0 * d1) / (d0 * d0)};
        for (std::size_t i = 0; i < poles_.size(); ++i) {
            const QC p = poles_[i];
            QC cofacteur{d_.back(), 0};
            for (std::size_t j = 0; j < poles_.size(); ++j)
                if (j != i)
                    cofacteur = cofacteur * (p - poles_[j]);
            const QC w = Val(n_, p) * ExpQuad(p * QC{t, 0}) / (cofacteur * p);
            y.Indicielle += w.Re;
            y.Rampe += (w / p).Re;
        }
        return y;
    }

    const std::vector<QC>& Poles() const { return poles_; }

private:
    PQ n_;
    PQ d_;
    std::vector<QC> poles_;
};
