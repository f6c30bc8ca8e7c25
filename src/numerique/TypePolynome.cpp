#include "TypePolynome.h"

bool CoefficientsReels(const TPolynome& p)
{
    for (int k = 0; k <= p.Degre; ++k)
        if (p.Coef[k].Im != 0)
            return false;
    return true;
}

int RangRacine(const TPolynome& p, int k)
{
    int rang = 1;
    for (int i = 1; i <= k - 1 && i <= DegreMax; ++i)
        rang += p.Multiplicites[i];
    return rang;
}
