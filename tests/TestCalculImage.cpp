// kovra-calcul --image lancé comme un enseignant le lancerait pour ses polycopiés.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "LanceCalcul.h"
#include "SousLimiteDeTaille.h"
#include "fenetres/AidePdf.h"
#include "coeur/Document.h"
#include "trace/AideImages.h"

namespace {

const std::string Donnees = KOVRA_DONNEES_TESTS "/";

TExecution Image(const std::vector<std::string>& arguments)
{
    return Lance(arguments);
}

// Pixels de la couleur des courbes dans le milieu de l'image, là où tout cadre se trouve.
int CourbeAuMilieu(const QImage& image)
{
    const TDocument doc = DocumentInitial();
    const int l = image.width(), h = image.height();
    return CompteCouleur(image.convertToFormat(QImage::Format_RGB32), Couleur(doc, "DCourbe"), l / 10, h / 10,
                         9 * l / 10, 9 * h / 10);
}

// Pixels du milieu que le lissage a faits de la couleur des courbes mêlée au blanc du fond,
// à au moins 40 % : un trait fin du SVG n'a presque aucun pixel de la couleur exacte.
int CourbeLisseeAuMilieu(const QImage& image)
{
    const QRgb c = Couleur(DocumentInitial(), "DCourbe");
    const int l = image.width(), h = image.height();
    int n = 0;
    for (int y = h / 10; y <= 9 * h / 10; ++y)
        for (int x = l / 10; x <= 9 * l / 10; ++x) {
            const QRgb p = image.pixel(x, y);
            const int canaux[3][2] = {{qRed(p), qRed(c)}, {qGreen(p), qGreen(c)}, {qBlue(p), qBlue(c)}};
            const auto& [pv, cv] = *std::max_element(std::begin(canaux), std::end(canaux),
                                                     [](const int* a, const int* b) { return 255 - a[1] < 255 - b[1]; });
            const double part = (255.0 - pv) / std::max(1, 255 - cv);
            bool melee = part >= 0.4 && part <= 1.05;
            for (const auto& [pc, cc] : canaux)
                melee = melee && std::abs(pc - (part * cc + (1 - part) * 255)) <= 25;
            n += melee ? 1 : 0;
        }
    return n;
}

QImage SvgRendu(const QString& chemin, QSize taille)
{
    QSvgRenderer svg(chemin);
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    svg.render(&p);
    return image;
}

// Chaque vue d'un système stable, en PNG et en SVG : la courbe est dans le cadre ; le lieu
// d'Evans sur des branches courbes.
TEST(CalculImage, ChaqueVueDessineSaCourbe)
{
    QTemporaryDir dossier;
    const std::pair<const char*, const char*> cas[] = {
        {"bode", "deux_poles_reels.kvf"}, {"nyquist", "deux_poles_reels.kvf"}, {"black", "deux_poles_reels.kvf"},
        {"evans", "degre_dix.kvf"}, {"echelon", "deux_poles_reels.kvf"}, {"rampe", "deux_poles_reels.kvf"}};
    for (const auto& [vue, fichier] : cas) {
        const QString png = dossier.filePath(QString(vue) + ".png");
        const QString svg = dossier.filePath(QString(vue) + ".svg");
        for (const QString& sortie : {png, svg}) {
            const TExecution e = Image({Donnees + fichier, "--image", sortie.toStdString(), "--vue", vue,
                                        "--taille", "640x480"});
            ASSERT_EQ(e.Statut, 0) << vue << " " << e.Erreurs;
            EXPECT_TRUE(e.Sortie.empty()) << e.Sortie;
        }
        const QImage image(png);
        ASSERT_EQ(image.size(), QSize(640, 480)) << vue;
        EXPECT_GT(CourbeAuMilieu(image), 100) << vue;
        EXPECT_GT(CourbeLisseeAuMilieu(SvgRendu(svg, QSize(640, 480))), 100) << vue;
    }
}

// Le PDF est la page imprimée : A4 en portrait, titre du travail, encadré de la formule, et
// les textes propres à chaque vue ; la taille en pixels ne le change pas.
TEST(CalculImage, PdfEstLaPageImprimee)
{
    struct CasPdf {
        const char* Vue;
        const char* Titre;
        const char* Texte;
    };
    const CasPdf cas[] = {{"bode", "DiagBode", "Gain (dB)"},
                          {"black", "DiagBlack", "Phase (°)"},
                          {"nyquist", "DiagNyquist", "Diagramme de Nyquist"},
                          {"evans", "LieuEvans", "Lieu d'Evans"},
                          {"echelon", "Impression Réponse Indicielle", "Réponse à un échelon en entrée"},
                          {"rampe", "Impression Réponse Rampe", "Réponse à une rampe en entrée"}};
    QTemporaryDir dossier;
    for (const CasPdf& c : cas) {
        const QString pdf = dossier.filePath(QString(c.Vue) + ".pdf");
        const TExecution e =
            Image({Donnees + "deux_poles_reels.kvf", "--image", pdf.toStdString(), "--vue", c.Vue, "--taille", "640x480"});
        ASSERT_EQ(e.Statut, 0) << c.Vue << " " << e.Erreurs;
        EXPECT_EQ(InfoDuPdf(pdf, "Title"), QString::fromUtf8(c.Titre)) << c.Vue;
        EXPECT_EQ(InfoDuPdf(pdf, "Pages"), "1") << c.Vue;
        // « Page size: 595 x 842 pts (A4) » : plus haute que large.
        const QString taille = InfoDuPdf(pdf, "Page size");
        const QStringList mesures = taille.split(' ');
        ASSERT_GE(mesures.size(), 5) << c.Vue << " " << taille.toStdString();
        EXPECT_LT(mesures[0].toDouble(), mesures[2].toDouble()) << c.Vue;
        EXPECT_EQ(mesures[4], "(A4)") << c.Vue;
        const QString texte = TexteDuPdf(pdf);
        EXPECT_TRUE(texte.contains("Kovra =")) << c.Vue << " " << texte.toStdString();
        EXPECT_TRUE(texte.contains(QString::fromUtf8(c.Texte))) << c.Vue << " " << texte.toStdString();
    }
}

// Une page existante n'est remplacée que par une page complète ; un dossier impossible est refusé.
TEST(CalculImage, PdfImpossibleLaisseLAncien)
{
    QTemporaryDir dossier;
    QFile bloque(dossier.filePath("bloque"));
    ASSERT_TRUE(bloque.open(QIODevice::WriteOnly));
    const TExecution e = Image({Donnees + "deux_poles_reels.kvf", "--image",
                                dossier.filePath("bloque/bode.pdf").toStdString(), "--vue", "bode"});
    EXPECT_EQ(e.Statut, 2);
    EXPECT_NE(e.Erreurs.find("ne peut pas être écrit"), std::string::npos) << e.Erreurs;
    EXPECT_EQ(e.Erreurs.find(".."), std::string::npos) << e.Erreurs;
}

// kovra-calcul lancé dans un processus dont les fichiers s'arrêtent à `octets` ; ses erreurs dans `erreurs`.
int ImageSousLimite(rlim_t octets, const std::vector<std::string>& arguments, const QString& erreurs)
{
    std::vector<std::string> mots{KOVRA_CALCUL};
    mots.insert(mots.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& m : mots)
        argv.push_back(m.data());
    argv.push_back(nullptr);
    const std::string fichierErreurs = erreurs.toStdString();
    return SousLimiteDeTaille(octets, [&] {
        const int fd = open(fichierErreurs.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0 || dup2(fd, STDERR_FILENO) < 0)
            return 125;
        execv(argv[0], argv.data());
        return 127;
    });
}

QByteArray Octets(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Disque plein au milieu de l'écriture (limite de taille des fichiers) : quel que soit le format,
// code 2, la raison en français, l'ancienne image octet pour octet, et aucun fichier laissé à côté.
TEST(CalculImage, DisquePleinGardeLAncienneImage)
{
    constexpr rlim_t Limite = 4096;
    QTemporaryDir dossier;
    const QByteArray ancienne = "<ancienne image à garder>";
    for (const char* extension : {"png", "svg", "pdf"}) {
        const QString complete = dossier.filePath(QString("complete.") + extension);
        const TExecution libre = Image({Donnees + "deux_poles_reels.kvf", "--image", complete.toStdString(), "--vue",
                                        "bode", "--taille", "640x480"});
        ASSERT_EQ(libre.Statut, 0) << extension << " " << libre.Erreurs;
        ASSERT_GT(QFileInfo(complete).size(), qint64(Limite)) << extension << " : la limite ne couperait rien";
        ASSERT_TRUE(QFile::remove(complete));

        const QString garde = dossier.filePath(QString("garde.") + extension);
        QFile f(garde);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(ancienne), ancienne.size());
        f.close();
        const QString erreurs = dossier.filePath("erreurs.txt");
        const int statut = ImageSousLimite(Limite, {Donnees + "deux_poles_reels.kvf", "--image", garde.toStdString(),
                                                    "--vue", "bode", "--taille", "640x480"},
                                           erreurs);
        EXPECT_EQ(statut, 2) << extension;
        const QString message = QString::fromUtf8(Octets(erreurs));
        EXPECT_TRUE(message.contains(QStringLiteral("kovra-calcul : ")) && message.contains("« " + garde + " »"))
            << extension << " " << message.toStdString();
        EXPECT_FALSE(message.contains(QStringLiteral("Unknown error"))) << extension << " : raison en anglais";
        EXPECT_EQ(Octets(garde), ancienne) << extension;
        ASSERT_TRUE(QFile::remove(erreurs));
        EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{QString("garde.") + extension}) << extension;
        ASSERT_TRUE(QFile::remove(garde));
    }
}

// Le lieu d'Evans se trace aussi pour un système instable, à la taille demandée, branches en vue.
TEST(CalculImage, LieuDEvansDUnSystemeInstable)
{
    QTemporaryDir dossier;
    const QString png = dossier.filePath("evans.png");
    const TExecution e =
        Image({Donnees + "instable.kvf", "--image", png.toStdString(), "--vue", "evans", "--taille", "1000x700"});
    ASSERT_EQ(e.Statut, 0) << e.Erreurs;
    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(1000, 700));
    EXPECT_GT(CourbeAuMilieu(image), 100);
}

struct CasRefus {
    const char* Nom;
    std::vector<std::string> Arguments;  // après le fichier
    const char* Fichier;
    const char* Message;
};

TEST(CalculImage, RefusClairsEtCode2)
{
    QTemporaryDir dossier;
    const std::string png = dossier.filePath("vue.png").toStdString();
    // Un fichier à la place du dossier : aucune écriture possible, même pour root.
    QFile bloque(dossier.filePath("bloque"));
    ASSERT_TRUE(bloque.open(QIODevice::WriteOnly));
    const std::string impossible = dossier.filePath("bloque/vue.png").toStdString();
    const CasRefus cas[] = {
        {"vue inconnue", {"--image", png, "--vue", "bodee"}, "premier_ordre.kvf", "vue inconnue « bodee »"},
        {"vue absente", {"--image", png}, "premier_ordre.kvf", "--image demande --vue"},
        {"fichier impossible", {"--image", impossible, "--vue", "bode"}, "premier_ordre.kvf",
         "Impossible d'écrire le fichier"},
        {"format inconnu", {"--image", png + ".gif", "--vue", "bode"}, "premier_ordre.kvf", "format d'image inconnu"},
        {"trop petite", {"--image", png, "--vue", "bode", "--taille", "99x500"}, "premier_ordre.kvf", "taille « 99x500 »"},
        {"trop grande", {"--image", png, "--vue", "bode", "--taille", "500x10001"}, "premier_ordre.kvf",
         "chacune de 100 à 10000 pixels"},
        {"taille illisible", {"--image", png, "--vue", "bode", "--taille", "800x600x2"}, "premier_ordre.kvf",
         "taille « 800x600x2 »"},
        {"abaque hors Black", {"--image", png, "--vue", "bode", "--abaque"}, "premier_ordre.kvf",
         "--abaque ne va qu'avec --vue black"},
        {"vue sans image", {"--vue", "bode"}, "premier_ordre.kvf", "--vue et --abaque vont avec --image"},
        {"instable : pas de réponse", {"--image", png, "--vue", "echelon"}, "instable.kvf", "il est instable"},
        {"instable : pas de diagramme", {"--image", png, "--vue", "nyquist"}, "instable.kvf",
         "la vue « nyquist » n'existe pas pour ce système"},
        {"constante : pas de lieu d'Evans", {"--image", png, "--vue", "evans"}, "constante.kvf",
         "la vue « evans » n'existe pas pour ce système : sa fonction de transfert est constante"},
    };
    for (const CasRefus& c : cas) {
        std::vector<std::string> arguments{Donnees + c.Fichier};
        arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
        const TExecution e = Image(arguments);
        EXPECT_EQ(e.Statut, 2) << c.Nom;
        EXPECT_NE(e.Erreurs.find(c.Message), std::string::npos) << c.Nom << " : " << e.Erreurs;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(png))) << c.Nom;
    }
}

}
