#pragma once
// Noms d'objet des fenêtres et de leurs composants : ceux du code, pour qui les cherche par
// leur nom (tests, outils d'accessibilité).
#include <initializer_list>
#include <utility>

class QObject;
class QString;

void NommeComposants(QObject* fenetre, const QString& nom,
                     std::initializer_list<std::pair<QObject*, const char*>> composants);
