#include "Stabilite.h"

bool SigneContraire(const TPolynome& p)
{
    if (!CoefficientsReels(p))
        return false;
    const Reel dominant = p.Coef[p.Degre].Re;
    for (int k = 0; k < p.Degre; ++k)
        if (p.Coef[k].Re * dominant < 0)
            return true;
    return false;
}

TRepartitionRacines RepartitionRacines(const TPolynome& p)
{
    TRepartitionRacines r;
    for (int i = 1; i <= p.Degre; ++i) {
        if (p.Racines[i].Re > 0)
            ++r.Droite;
        else if (p.Racines[i].Re == 0)
            ++r.Axe;
    }
    return r;
}

bool AucuneRacineADroite(const TPolynome& p) { return RepartitionRacines(p).Droite == 0 && !SigneContraire(p); }

bool ToutesAGauche(const TPolynome& p)
{
    const TRepartitionRacines r = RepartitionRacines(p);
    return r.Droite == 0 && r.Axe == 0 && !SigneContraire(p);
}
