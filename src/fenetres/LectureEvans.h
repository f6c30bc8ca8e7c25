#pragma once
// Lecture à la souris sur le lieu d'Evans : le point des branches gardées par le dernier tracé
// le plus proche du pointeur, son gain K et les pôles de la boucle fermée pour ce K avec leur
// amortissement ζ et leur pulsation propre ωn. Rien n'est recalculé.
#include <QPoint>
#include <QStringList>
#include <optional>

struct TTraceDiagramme;
struct TTraceEvans;

// Indice du point du lieu (tous ses pôles) dont une racine est à moins de quelques pixels du clic.
std::optional<std::size_t> PointEvansTouche(const TTraceDiagramme& trace, QPoint clic);

// « K = … », puis une ligne par pôle de la boucle fermée.
QStringList LignesLectureEvans(const TTraceEvans& trace, std::size_t indice);
