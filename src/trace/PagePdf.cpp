#include "PagePdf.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

// 6 mm de bord, comme la zone non imprimable d'une imprimante : la page garde les marges tapées.
const QMarginsF BordPdf(6, 6, 6, 6);
constexpr int ResolutionPdf = 600;

}  // namespace

bool EcritPdf(const QString& chemin, const QString& titre, QPageLayout::Orientation orientation,
              const TPeintPage& peint, QString& erreur)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly)) {
        erreur = QStringLiteral("Le fichier PDF « %1 » ne peut pas être écrit : %2").arg(chemin, fichier.errorString());
        return false;
    }
    {
        QPdfWriter pdf(&fichier);
        pdf.setTitle(titre);
        pdf.setCreator(QStringLiteral("Kovra"));
        pdf.setResolution(ResolutionPdf);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, BordPdf, QPageLayout::Millimeter));
        QPainter p;
        if (!p.begin(&pdf)) {
            fichier.cancelWriting();
            erreur = QStringLiteral("Le fichier PDF « %1 » ne peut pas être commencé.").arg(chemin);
            return false;
        }
        peint(p, QRect(0, 0, pdf.width(), pdf.height()), pdf.resolution());
        p.end();
    }
    if (!fichier.commit()) {
        erreur = QStringLiteral("Le fichier PDF « %1 » n'a pas pu être terminé : %2").arg(chemin, fichier.errorString());
        return false;
    }
    return true;
}
