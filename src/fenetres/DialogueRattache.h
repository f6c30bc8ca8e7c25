#pragma once
// Dialogue modal ouvert depuis une autre fenêtre que son parent : le gestionnaire de fenêtres
// rend la main à la fenêtre dont dépend le dialogue, elle doit donc être celle qui l'ouvre.
#include <QDialog>
#include <functional>

using TExecutionDialogue = std::function<int(QDialog&)>;

// Rattache le dialogue à `fenetre` le temps de son exécution, puis le rend à son parent.
int ExecuteRattache(QDialog& dialogue, QWidget& fenetre, const TExecutionDialogue& execute);

// Même exécution depuis une fenêtre de dessin, qui revient devant à la fermeture du dialogue,
// quelle que soit la fenêtre que le gestionnaire de fenêtres choisit d'activer ; vrai si validé.
bool ExecuteDevant(QDialog& dialogue, QWidget& fenetre, const TExecutionDialogue& execute);

// Fenêtre montrée, ou ramenée devant si elle l'est déjà.
void MontreDevant(QWidget& fenetre);

// Fenêtre de dessin possédée par la fenêtre principale : le gestionnaire de fenêtres la garde
// au-dessus d'elle tant qu'elle est montrée (une fenêtre ordinaire passerait derrière la
// fenêtre principale agrandie dès que celle-ci est activée), avec ses boutons habituels.
inline constexpr Qt::WindowFlags DrapeauxFenetrePossedee = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                                           | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
