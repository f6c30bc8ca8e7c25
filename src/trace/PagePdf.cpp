#include "PagePdf.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "coeur/EcritureFichier.h"

namespace {

// 6 mm de bord, comme la zone non imprimable d'une imprimante : la page garde les marges tapées.
const QMarginsF BordPdf(6, 6, 6, 6);
constexpr int ResolutionPdf = 600;

}  // namespace

bool EcritPdf(const QString& chemin, const QString& titre, QPageLayout::Orientation orientation,
              const TPeintPage& peint, QString& erreur)
{
    // La page entière en mémoire, puis le fichier d'un coup.
    QByteArray contenu;
    QBuffer tampon(&contenu);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setTitle(titre);
        pdf.setCreator(QStringLiteral("Kovra"));
        pdf.setResolution(ResolutionPdf);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, BordPdf, QPageLayout::Millimeter));
        QPainter p;
        if (!p.begin(&pdf)) {
            erreur = QStringLiteral("Le fichier PDF « %1 » ne peut pas être commencé.").arg(chemin);
            return false;
        }
        peint(p, QRect(0, 0, pdf.width(), pdf.height()), pdf.resolution());
        p.end();
    }
    QString raison;
    if (EcritFichierEntier(chemin, contenu, raison) != TEcritureFichier::Faite) {
        erreur = QStringLiteral("Le fichier PDF « %1 » ne peut pas être écrit : %2").arg(chemin, raison);
        return false;
    }
    return true;
}
