#include "TypePolynome.h"

bool CoefficientsReels(const TPolynome& p)
{
    for (int k = 0; k <= p.Degre; ++k)
        if (p.Coef[k].Im != 0)
            return false;
    return true;
}
