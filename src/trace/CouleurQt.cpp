#include "CouleurQt.h"

QColor CouleurQt(quint32 valeur)
{
    return QColor(int(valeur & 0xFF), int((valeur >> 8) & 0xFF), int((valeur >> 16) & 0xFF));
}
