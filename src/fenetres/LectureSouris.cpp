#include "LectureSouris.h"

#include <cstdlib>

#include "trace/TraceDiagramme.h"
#include "coeur/GrandeursPoints.h"
#include "coeur/TextesValeurs.h"

namespace {

constexpr int Tolerance = 2;
constexpr int ChiffresLecture = 6;

bool Proche(int pixel, int cible)
{
    return std::abs(pixel - cible) <= Tolerance;
}

QString Ligne(Reel valeur, const QString& unite)
{
    return TexteGeneral(valeur, ChiffresLecture) + unite;
}

}

std::optional<int> PointTouche(const TTraceDiagramme& trace, QPoint clic)
{
    if (trace.Type == TTypeDiagramme::Aucun)
        return std::nullopt;
    const bool bode = trace.Type == TTypeDiagramme::Bode;
    for (int i = 1; i <= trace.Frequentiel.Echelles.NbPoints; ++i) {
        const TPointFrequentiel& p = trace.Frequentiel.Points[i];
        if (Proche(p.PixelX, clic.x()) && (Proche(p.PixelY1, clic.y()) || (bode && Proche(p.PixelY2, clic.y()))))
            return i;
    }
    return std::nullopt;
}

QStringList LignesLecture(const TTraceDiagramme& trace, int indice)
{
    const TPointFrequentiel& p = trace.Frequentiel.Points[indice];
    QStringList lignes;
    for (const TGrandeur g : GrandeursLues(trace.Type, trace.Frequentiel.Echelles.AbaqueVisible))
        lignes << Ligne(ValeurDuPoint(p, trace.Type, g), UniteLecture(g));
    return lignes;
}

QPoint CoinBloc(QPoint clic, QSize bloc, QSize zone)
{
    const int gauche = clic.x() + bloc.width() + 15 < zone.width() ? clic.x() + 15 : clic.x() - bloc.width() - 10;
    const int haut = clic.y() + bloc.height() < zone.height() ? clic.y() : clic.y() - bloc.height() - 3;
    return {gauche, haut};
}
