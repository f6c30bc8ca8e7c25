// Menu « Image » des fenêtres de dessin : copie au presse-papiers et enregistrement sous les
// trois formats, noms proposés d'après la vue.
#include "fenetres/MenuImage.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "AideDialogues.h"
#include "fenetres/UEchRepIndic.h"
#include "fenetres/UEchRepRampe.h"
#include "fenetres/UEcranDiagramme.h"
#include "fenetres/UEcranRepTemp.h"
#include "fenetres/USaisieParamBlack.h"
#include "fenetres/USaisieParamBode.h"
#include "fenetres/USaisieParamNyquist.h"
#include "trace/CouleurQt.h"
#include "trace/DocumentsDessin.h"

namespace {

const QSize TailleZone(640, 400);

QStringList TitresDesMenus(const QMainWindow& fenetre)
{
    QStringList titres;
    for (const QAction* a : fenetre.menuBar()->actions())
        titres << a->text();
    return titres;
}

class MenuImage : public testing::Test {
protected:
    MenuImage() : separateur_('.'), doc_(DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 0.4L, 1})))
    {
        diagramme_.setWindowState(Qt::WindowNoState);
        reponses_.setWindowState(Qt::WindowNoState);
        reponses_.DefinitDialogues(&indic_, &rampe_);
    }

    void MontreBode()
    {
        bode_.Defaut->click();
        ASSERT_TRUE(bode_.PeutFermer()) << messages_.Messages.join('|').toStdString();
        diagramme_.Montre(TTypeDiagramme::Bode);
        diagramme_.ZoneClient->setFixedSize(TailleZone);
        diagramme_.adjustSize();
    }

    void MontreEchelon()
    {
        MontreActif(indic_);
        indic_.BtnConsAuto->click();
        indic_.BtnEchAuto->click();
        indic_.hide();
        reponses_.Montre(TTypeReponse::Indicielle);
        reponses_.ZoneClient->setFixedSize(TailleZone);
        reponses_.adjustSize();
    }

    // Le dialogue d'enregistrement répond sans s'ouvrir ; le nom qu'il proposait est gardé.
    void Repond(TMenuImage& menu, const QString& chemin, const QString& filtre)
    {
        menu.ChoixFichier = [this, chemin, filtre](QFileDialog& dialogue) {
            propose_ = dialogue.selectedFiles().value(0);
            filtres_ = dialogue.nameFilters();
            return TChoixImage{chemin, filtre};
        };
    }

    int PixelsCourbe(const QImage& image) const
    {
        return PixelsDeCouleur(image, image.rect(), CouleurQt(CouleurDe(doc_.SchemaCouleurs, "DCourbe")), 0);
    }

    SeparateurImpose separateur_;
    EnregistreurMessages messages_;
    TDocument doc_;
    TEchellesBode bode_{doc_};
    TEchellesNyquist nyquist_{doc_};
    TEchellesBlack black_{doc_};
    TEcranDiagramme diagramme_{doc_, bode_, nyquist_, black_};
    TEcranRepTemp reponses_{doc_};
    TEchellesRepIndic indic_{doc_};
    TEchellesRepRampe rampe_{doc_};
    QString propose_;
    QStringList filtres_;
};

// Les menus d'origine gardent leur ordre ; « Image » vient en dernier.
TEST_F(MenuImage, ImageEnDernierDansLesDeuxFenetres)
{
    EXPECT_EQ(TitresDesMenus(diagramme_).last(), "Image");
    EXPECT_EQ(TitresDesMenus(diagramme_).first(), "Fermer");
    EXPECT_EQ(TitresDesMenus(reponses_),
              (QStringList{"Quitter", "Echelles", "Imprimer", "Export Excel", "Caractéristiques", "Image"}));
    for (const TMenuImage* menu : {diagramme_.MenuImage, reponses_.MenuImage}) {
        QStringList items;
        for (const QAction* a : menu->Image->actions())
            items << a->text();
        EXPECT_EQ(items, (QStringList{"Copier", "Enregistrer sous…"}));
    }
}

// « Copier » : la vue telle que la fenêtre la peint, à la taille de sa zone.
TEST_F(MenuImage, CopierDonneLaVueALaTailleDeLaFenetre)
{
    MontreBode();
    QGuiApplication::clipboard()->clear();
    diagramme_.MenuImage->Copier->trigger();
    const QImage copie = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(copie.size(), TailleZone);
    EXPECT_GT(PixelsCourbe(copie), 200);
    EXPECT_EQ(copie, diagramme_.ZoneClient->grab().toImage().convertToFormat(QImage::Format_RGB32));

    MontreEchelon();
    reponses_.MenuImage->Copier->trigger();
    const QImage echelon = QGuiApplication::clipboard()->image();
    EXPECT_EQ(echelon.size(), TailleZone);
    EXPECT_GT(PixelsCourbe(echelon), 200);
}

// « Enregistrer sous… » : le format suit le filtre choisi, le nom proposé suit la vue.
TEST_F(MenuImage, EnregistrerSousLesTroisFormats)
{
    MontreBode();
    QTemporaryDir dossier;
    const struct {
        const char* Filtre;
        const char* Fichier;
        QByteArray Debut;
    } cas[] = {
        {"Image PNG (*.png)", "bode.png", "\x89PNG"},
        {"Image SVG (*.svg)", "bode.svg", "<?xml"},
        {"Document PDF (*.pdf)", "bode.pdf", "%PDF-"},
    };
    for (const auto& c : cas) {
        Repond(*diagramme_.MenuImage, dossier.filePath("bode"), c.Filtre);
        diagramme_.MenuImage->EnregistrerSous->trigger();
        QFile f(dossier.filePath(c.Fichier));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.Fichier;
        EXPECT_TRUE(f.readAll().startsWith(c.Debut)) << c.Fichier;
        EXPECT_TRUE(propose_.endsWith("/Diagramme de Bode.png")) << propose_.toStdString();
    }
    EXPECT_EQ(filtres_, FiltresImage());
    EXPECT_EQ(QImage(dossier.filePath("bode.png")).size(), TailleZone);
    EXPECT_GT(PixelsCourbe(QImage(dossier.filePath("bode.png"))), 200);
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();

    MontreEchelon();
    Repond(*reponses_.MenuImage, dossier.filePath("echelon.svg"), "Image SVG (*.svg)");
    reponses_.MenuImage->EnregistrerSous->trigger();
    EXPECT_TRUE(propose_.endsWith("/Réponse à un échelon.png")) << propose_.toStdString();
    EXPECT_TRUE(QFile::exists(dossier.filePath("echelon.svg")));
}

// Renoncer n'écrit rien ; un fichier impossible à écrire est annoncé.
TEST_F(MenuImage, RenoncementEtEchec)
{
    MontreBode();
    QTemporaryDir dossier;
    Repond(*diagramme_.MenuImage, QString(), "Image PNG (*.png)");
    diagramme_.MenuImage->EnregistrerSous->trigger();
    EXPECT_TRUE(QDir(dossier.path()).isEmpty());
    EXPECT_TRUE(messages_.Messages.isEmpty());

    const QString impossible = dossier.filePath("absent/vue.png");
    Repond(*diagramme_.MenuImage, impossible, "Image PNG (*.png)");
    diagramme_.MenuImage->EnregistrerSous->trigger();
    EXPECT_EQ(messages_.Messages, QStringList{"Impossible d'écrire le fichier « " + impossible + " »"});
}

// Un fichier précieux ne disparaît jamais sous une image : l'extension tapée décide du format,
// et le nom réellement écrit, s'il existe, fait l'objet de la question.
TEST_F(MenuImage, LeNomEcritEstCeluiQueLUtilisateurAConfirme)
{
    MontreBode();
    QTemporaryDir dossier;
    const QString png = dossier.filePath("precious.png");
    const QString notes = dossier.filePath("notes.txt");
    for (const QString& chemin : {png, notes}) {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("travail de l'élève");
    }
    const QByteArray empreintePng = EmpreinteFichier(png);
    const QByteArray empreinteNotes = EmpreinteFichier(notes);

    Repond(*diagramme_.MenuImage, dossier.filePath("precious.svg"), "Image PNG (*.png)");
    diagramme_.MenuImage->EnregistrerSous->trigger();
    QFile svg(dossier.filePath("precious.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().startsWith("<?xml"));
    EXPECT_EQ(EmpreinteFichier(png), empreintePng);
    EXPECT_TRUE(messages_.Questions.isEmpty());

    Repond(*diagramme_.MenuImage, notes, "Document PDF (*.pdf)");
    diagramme_.MenuImage->EnregistrerSous->trigger();
    EXPECT_TRUE(EmpreinteFichier(notes + ".pdf").size() > 0);
    EXPECT_EQ(EmpreinteFichier(notes), empreinteNotes);

    // « precious » avec le filtre PNG écrirait precious.png : la question porte sur ce nom.
    messages_.Reponses = {TReponse::Non};
    Repond(*diagramme_.MenuImage, dossier.filePath("precious"), "Image PNG (*.png)");
    diagramme_.MenuImage->EnregistrerSous->trigger();
    EXPECT_EQ(messages_.Questions, QStringList{QuestionRemplacement(png)});
    EXPECT_EQ(EmpreinteFichier(png), empreintePng);
    EXPECT_FALSE(QFile::exists(dossier.filePath("precious")));

    messages_.Reponses = {TReponse::Oui};
    diagramme_.MenuImage->EnregistrerSous->trigger();
    EXPECT_EQ(messages_.Questions.size(), 2);
    EXPECT_EQ(QImage(png).size(), TailleZone);
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
}

TEST(CheminPourFiltre, LExtensionTapeeDecide)
{
    const struct {
        const char* Chemin;
        const char* Filtre;
        const char* Attendu;
    } cas[] = {
        {"/t/Diagramme de Bode.png", "Image PNG (*.png)", "/t/Diagramme de Bode.png"},
        {"/t/Diagramme de Bode.png", "Image SVG (*.svg)", "/t/Diagramme de Bode.png"},
        {"/t/precious.svg", "Image PNG (*.png)", "/t/precious.svg"},
        {"/t/vue", "Document PDF (*.pdf)", "/t/vue.pdf"},
        {"/t/vue", "Image SVG (*.svg)", "/t/vue.svg"},
        {"/t/vue.PDF", "Image PNG (*.png)", "/t/vue.PDF"},
        {"/t/v1.2", "Image PNG (*.png)", "/t/v1.2.png"},
        {"/t/notes.txt", "Document PDF (*.pdf)", "/t/notes.txt.pdf"},
        {"/t/vue.svg", "autre", "/t/vue.svg"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(CheminPourFiltre(c.Chemin, c.Filtre), c.Attendu) << c.Chemin << " " << c.Filtre;
}

}
