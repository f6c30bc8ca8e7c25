#pragma once
// Icône du programme : une courbe de gain avec sa résonance, dans un carré encadré.
#include <QImage>

QImage IconeKovra(int cote);
