#include "LectureEvans.h"

#include <cmath>

#include "trace/TraceDiagramme.h"
#include "coeur/TextesValeurs.h"

namespace {

constexpr Reel Tolerance = 6;  // pixels
constexpr int ChiffresLecture = 6;

}

std::optional<std::size_t> PointEvansTouche(const TTraceDiagramme& trace, QPoint clic)
{
    const TTraceEvans& e = trace.Evans;
    if (trace.Type != TTypeDiagramme::Evans || e.Lieu.Points.empty() || !e.Pixels.contains(clic))
        return std::nullopt;
    std::optional<std::size_t> touche;
    Reel meilleur = Tolerance;
    for (std::size_t i = 0; i < e.Lieu.Points.size(); ++i)
        for (int b = 0; b < e.Lieu.NbBranches; ++b) {
            const TComplexe z = e.Lieu.Points[i].Racines[std::size_t(b)];
            if (!EstFini(z) || !std::isfinite(e.Lieu.Points[i].K))
                continue;
            const QPointF p = PixelEvans(e, z);
            const Reel d = std::hypot(Reel(p.x() - clic.x()), Reel(p.y() - clic.y()));
            if (d <= meilleur) {
                meilleur = d;
                touche = i;
            }
        }
    return touche;
}

QStringList LignesLectureEvans(const TTraceEvans& trace, std::size_t indice)
{
    const TPointLieu& point = trace.Lieu.Points.at(indice);
    QStringList lignes{QStringLiteral("K = ") + TexteGeneral(point.K, ChiffresLecture)};
    for (int b = 0; b < trace.Lieu.NbBranches; ++b) {
        // Un pôle réel calculé garde parfois une partie imaginaire de l'ordre de 1e-37 : c'est 0.
        const TComplexe z = PartiesAffichees(point.Racines[std::size_t(b)], ChiffresLecture);
        const Reel omegaN = Module(z);
        QString ligne = QStringLiteral("p = ") + TexteGeneral(z.Re, ChiffresLecture);
        if (z.Im != 0)
            ligne += (z.Im > 0 ? QStringLiteral(" + j") : QStringLiteral(" - j")) + TexteGeneral(std::fabs(z.Im), ChiffresLecture);
        ligne += QStringLiteral("   ζ = ") + (omegaN > 0 ? TexteGeneral(-z.Re / omegaN, 4) : QStringLiteral("-"));
        ligne += QStringLiteral("   ωn = ") + TexteGeneral(omegaN, ChiffresLecture) + QStringLiteral(" rad/s");
        lignes << ligne;
    }
    return lignes;
}
