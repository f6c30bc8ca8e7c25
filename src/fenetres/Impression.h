#pragma once
// Le travail d'impression : l'imprimante choisie dans « Config. impr. » ou celle du système ;
// un fichier PDF choisi là, ou faute d'imprimante, est demandé à chaque impression (le dernier
// proposé) et n'est remplacé qu'après confirmation. Une page par travail.
#include <QObject>
#include <QPageLayout>
#include <QPrinter>
#include <functional>

#include "trace/PagePdf.h"

class QPrintDialog;
class TInfoImpression;

// Nom proposé pour le PDF : le titre du travail dans le dossier des documents.
QString CheminPdfParDefaut(const QString& titre);

class TImpression : public QObject {
    Q_OBJECT
public:
    TImpression(TInfoImpression& info, QObject* parent);

    QPrinter& Imprimante() { return imprimante_; }

    // Remplaçables par les tests.
    // L'imprimante en service : celle de « Config. impr. » ou celle du système ; vide s'il n'y en a aucune.
    std::function<QString()> ImprimanteEnService;
    // Chemin du PDF, depuis le chemin proposé ; vide si l'utilisateur renonce.
    std::function<QString(const QString& propose)> ChoixFichierPdf;
    std::function<int(QPrintDialog& dialogue)> ExecuteConfiguration;

    // Le dialogue de l'imprimante ; son résultat ne change rien à ce qui suit.
    void Configure(QWidget* parent);
    // Vrai quand la page est partie à l'imprimante ou écrite dans son fichier ; un refus est dit
    // en français, une renonciation au fichier ou à son remplacement ne dit rien.
    bool Imprime(const QString& titre, QPageLayout::Orientation orientation, const TPeintPage& peint);

private:
    bool VersFichier(const QString& titre, QPageLayout::Orientation orientation, const TPeintPage& peint);
    bool SurImprimante(const QString& nom, const QString& titre, QPageLayout::Orientation orientation,
                       const TPeintPage& peint);
    bool DansFichier(const QString& chemin, const QString& titre, QPageLayout::Orientation orientation,
                     const TPeintPage& peint);

    TInfoImpression& info_;
    QPrinter imprimante_{QPrinter::HighResolution};
    // Le dernier PDF choisi, proposé à l'impression suivante ; vide avant le premier.
    QString dernierPdf_;
};
