#pragma once
// Tableau du lieu d'Evans : une ligne par gain K du dernier tracé, les pôles de la boucle
// fermée rangés par branche.
class QTableWidget;
class QString;
struct TTraceEvans;

// Remplit la grille ; rend le titre de la fenêtre.
QString RemplitTableauEvans(QTableWidget& grille, const TTraceEvans& trace);
