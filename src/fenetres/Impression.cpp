#include "Impression.h"

#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <memory>

#include "DialogueFichier.h"
#include "Messages.h"
#include "UInfoImpression.h"

namespace {

// Un nom sans l'extension des PDF la reçoit : c'est ce nom-là qui sera écrit et confirmé.
QString AvecExtensionPdf(const QString& chemin)
{
    if (QFileInfo(chemin).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0)
        return chemin;
    return chemin + QStringLiteral(".pdf");
}

bool DansUnFichier(const QPrinter& imprimante)
{
    return imprimante.outputFormat() == QPrinter::PdfFormat && !imprimante.outputFileName().isEmpty();
}

QString NomImprimanteSysteme(const QPrinter& imprimante)
{
    if (imprimante.outputFormat() == QPrinter::NativeFormat && !imprimante.printerName().isEmpty()
        && !QPrinterInfo::printerInfo(imprimante.printerName()).isNull())
        return imprimante.printerName();
    return QPrinterInfo::defaultPrinterName();
}

// Le dialogue commun : tailles et dates en français, aucune question avant le choix.
QString DemandeFichierPdf(const QString& propose)
{
    const std::unique_ptr<QFileDialog> dialogue(CreeDialogueFichier(nullptr, QStringLiteral("Enregistrer la page en PDF"),
                                                                    QFileDialog::AcceptSave,
                                                                    QStringLiteral("Documents PDF (*.pdf)"),
                                                                    QStringLiteral("pdf")));
    dialogue->setDirectory(QFileInfo(propose).absolutePath());
    dialogue->selectFile(propose);
    return ExecuteDialogueFichier(*dialogue);
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
    return QDir(DossierDesDocuments()).filePath(titre + QStringLiteral(".pdf"));
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
    // Le fichier qui vient d'être choisi sera le prochain proposé.
    if (DansUnFichier(imprimante_))
        dernierPdf_ = imprimante_.outputFileName();
}

bool TImpression::Imprime(const QString& titre, QPageLayout::Orientation orientation, const TPeintPage& peint)
{
    // Le fichier choisi dans le dialogue de l'imprimante n'est qu'une proposition : chaque
    // impression, de n'importe quelle fenêtre, redemande le sien.
    if (DansUnFichier(imprimante_)) {
        if (dernierPdf_.isEmpty())
            dernierPdf_ = imprimante_.outputFileName();
        return VersFichier(titre, orientation, peint);
    }
    const QString nom = ImprimanteEnService();
    if (!nom.isEmpty())
        return SurImprimante(nom, titre, orientation, peint);
    return VersFichier(titre, orientation, peint);
}

bool TImpression::VersFichier(const QString& titre, QPageLayout::Orientation orientation, const TPeintPage& peint)
{
    const QString choisi = ChoixFichierPdf(dernierPdf_.isEmpty() ? CheminPdfParDefaut(titre) : dernierPdf_);
    if (choisi.isEmpty())
        return false;
    const QString chemin = AvecExtensionPdf(choisi);
    if (!RemplacementAccepte(chemin))
        return false;
    dernierPdf_ = chemin;
    return DansFichier(chemin, titre, orientation, peint);
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
