#pragma once
// Dialogue modal ouvert depuis une autre fenêtre que son parent : le gestionnaire de fenêtres
// rend la main à la fenêtre dont dépend le dialogue, elle doit donc être celle qui l'ouvre.
#include <QDialog>
#include <functional>

using TExecutionDialogue = std::function<int(QDialog&)>;

// Rattache le dialogue à `fenetre` le temps de son exécution, puis le rend à son parent.
int ExecuteRattache(QDialog& dialogue, QWidget& fenetre, const TExecutionDialogue& execute);
