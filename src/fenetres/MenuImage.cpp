#include "MenuImage.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "DialogueFichier.h"
#include "IconesSansLecture.h"
#include "InfosFichiersFrancais.h"
#include "Messages.h"

namespace {

struct TFiltre {
    const char* Texte;
    const char* Extension;
};

constexpr TFiltre Filtres[] = {
    {"Image PNG (*.png)", "png"},
    {"Image SVG (*.svg)", "svg"},
    {"Document PDF (*.pdf)", "pdf"},
};

QFileDialog* CreeDialogue(QWidget* parent)
{
    auto* dialogue = new QFileDialog(parent, QStringLiteral("Enregistrer l'image"));
    dialogue->setOption(QFileDialog::DontUseNativeDialog);
    // La question de remplacement porte sur le nom écrit, connu seulement après le choix.
    dialogue->setOption(QFileDialog::DontConfirmOverwrite);
    new TIconesSansLecture(*dialogue);
    new TInfosFichiersFrancais(*dialogue);
    dialogue->setAcceptMode(QFileDialog::AcceptSave);
    dialogue->setFileMode(QFileDialog::AnyFile);
    dialogue->setNameFilters(FiltresImage());
    dialogue->setDirectory(QDir::homePath());
    return dialogue;
}

TChoixImage ExecuteDialogue(QFileDialog& dialogue)
{
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return {};
    return {dialogue.selectedFiles().constFirst(), dialogue.selectedNameFilter()};
}

}

QStringList FiltresImage()
{
    QStringList filtres;
    for (const TFiltre& f : Filtres)
        filtres << QString::fromUtf8(f.Texte);
    return filtres;
}

QString CheminPourFiltre(const QString& chemin, const QString& filtre)
{
    if (FormatImageDe(chemin) != TFormatImage::Inconnu)
        return chemin;
    for (const TFiltre& f : Filtres)
        if (filtre == QString::fromUtf8(f.Texte))
            return chemin + QStringLiteral(".") + QString::fromUtf8(f.Extension);
    return chemin;
}

TMenuImage::TMenuImage(QMainWindow& fenetre, QWidget& zone, std::function<QString()> nomVue, TDessinImage dessin)
    : QObject(&fenetre), zone_(zone), nomVue_(std::move(nomVue)), dessin_(std::move(dessin))
{
    Image = fenetre.menuBar()->addMenu(QStringLiteral("Image"));
    Copier = Image->addAction(QStringLiteral("Copier"));
    EnregistrerSous = Image->addAction(QStringLiteral("Enregistrer sous…"));
    Image->setObjectName(QStringLiteral("Image1"));
    Copier->setObjectName(QStringLiteral("Copier1"));
    EnregistrerSous->setObjectName(QStringLiteral("EnregistrerSous1"));
    ChoixFichier = ExecuteDialogue;
    connect(Copier, &QAction::triggered, this, &TMenuImage::CopierClick);
    connect(EnregistrerSous, &QAction::triggered, this, &TMenuImage::EnregistrerSousClick);
}

// Une image à la taille de la vue : les traitements de texte la collent telle quelle.
void TMenuImage::CopierClick()
{
    QGuiApplication::clipboard()->setImage(ImageDessinee(zone_.size(), dessin_));
}

void TMenuImage::EnregistrerSousClick()
{
    if (!dialogue_)
        dialogue_ = CreeDialogue(&zone_);
    const QString filtre = FiltresImage().constFirst();
    dialogue_->selectNameFilter(filtre);
    dialogue_->selectFile(nomVue_() + QStringLiteral(".png"));
    const TChoixImage choix = ChoixFichier(*dialogue_);
    if (choix.Chemin.isEmpty())
        return;
    const QString chemin = CheminPourFiltre(choix.Chemin, choix.Filtre);
    if (!RemplacementAccepte(chemin))
        return;
    QString erreur;
    if (!EcritImage(chemin, zone_.size(), dessin_, erreur))
        AfficheMessage(erreur);
}
