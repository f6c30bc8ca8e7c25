#pragma once
// Valeur de couleur du schéma (0x00BBGGRR) vers QColor.
#include <QColor>

QColor CouleurQt(quint32 valeur);
