#include "Document.h"

TDocument DocumentInitial()
{
    TDocument doc;
    doc.AbaqueGains = {12, 6, 4, 3, 2, 1, 0.5L, 0, -0.5L, -1, -2, -3, -4, -5, -6, -9, -12, -15, -20, -25, -30, -40, -50};
    doc.AbaquePhases = {-2, -5, -10, -20, -30, -40, -50, -60, -70, -80, -90, -100, -110, -120, -130, -140, -150, -160, -170};
    return doc;
}
