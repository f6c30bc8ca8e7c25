#include "Impression.h"

#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "Messages.h"
#include "UInfoImpression.h"

namespace {

QString NomImprimanteSysteme(const QPrinter& imprimante)
{
    if (imprimante.outputFormat() == QPrinter::NativeFormat && !imprimante.printerName().isEmpty()
        && !QPrinterInfo::printerInfo(imprimante.printerName()).isNull())
        return imprimante.printerName();
    return QPrinterInfo::defaultPrinterName();
}

QString DemandeFichierPdf(const QString& propose)
{
    return QFileDialog::getSaveFileName(nullptr, QStringLiteral("Enregistrer la page en PDF"), propose,
                                        QStringLiteral("Documents PDF (*.pdf)"), nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

// Fenêtre d'information fermée à la sortie, quelle qu'elle soit.
class TInfoMontree {
public:
    TInfoMontree(TInfoImpression& info, const QString& destination) : info_(info) { info_.Montre(destination); }
    ~TInfoMontree() { info_.close(); }
    TInfoMontree(const TInfoMontree&) = delete;
    TInfoMontree& operator=(const TInfoMontree&) = delete;

private:
    TInfoImpression& info_;
};

}  // namespace

QString CheminPdfParDefaut(const QString& titre)
{
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dossier.isEmpty())
        dossier = QDir::homePath();
    return QDir(dossier).filePath(titre + QStringLiteral(".pdf"));
}

TImpression::TImpression(TInfoImpression& info, QObject* parent) : QObject(parent), info_(info)
{
    ImprimanteEnService = [this] { return NomImprimanteSysteme(imprimante_); };
    ChoixFichierPdf = DemandeFichierPdf;
    ExecuteConfiguration = [](QPrintDialog& dialogue) { return dialogue.exec(); };
}

void TImpression::Configure(QWidget* parent)
{
    QPrintDialog dialogue(&imprimante_, parent);
    dialogue.setWindowTitle(QStringLiteral("Configuration de l'impression"));
    ExecuteConfiguration(dialogue);
}

bool TImpression::Imprime(const QString& titre, QPageLayout::Orientation orientation, const TPeintPage& peint)
{
    // Un fichier choisi dans le dialogue de l'imprimante passe par la même écriture sûre.
    if (imprimante_.outputFormat() == QPrinter::PdfFormat && !imprimante_.outputFileName().isEmpty())
        return DansFichier(imprimante_.outputFileName(), titre, orientation, peint);
    const QString nom = ImprimanteEnService();
    if (!nom.isEmpty())
        return SurImprimante(nom, titre, orientation, peint);
    const QString chemin = ChoixFichierPdf(CheminPdfParDefaut(titre));
    return !chemin.isEmpty() && DansFichier(chemin, titre, orientation, peint);
}

bool TImpression::SurImprimante(const QString& nom, const QString& titre, QPageLayout::Orientation orientation,
                                const TPeintPage& peint)
{
    TInfoMontree info(info_, nom);
    imprimante_.setOutputFormat(QPrinter::NativeFormat);
    imprimante_.setPrinterName(nom);
    imprimante_.setDocName(titre);
    imprimante_.setPageOrientation(orientation);
    QPainter p;
    const bool commence = p.begin(&imprimante_);
    if (commence) {
        peint(p, QRect(0, 0, imprimante_.width(), imprimante_.height()), imprimante_.logicalDpiY());
        p.end();
    }
    imprimante_.setPageOrientation(QPageLayout::Portrait);
    if (!commence || imprimante_.printerState() == QPrinter::Error) {
        AfficheMessage(QStringLiteral("L'imprimante « %1 » n'a pas accepté l'impression.").arg(nom));
        return false;
    }
    return true;
}

bool TImpression::DansFichier(const QString& chemin, const QString& titre, QPageLayout::Orientation orientation,
                              const TPeintPage& peint)
{
    QString erreur;
    bool ecrit = false;
    {
        TInfoMontree info(info_, chemin);
        ecrit = EcritPdf(chemin, titre, orientation, peint, erreur);
    }
    if (!ecrit)
        AfficheMessage(erreur);
    return ecrit;
}
