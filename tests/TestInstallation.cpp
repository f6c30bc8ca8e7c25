// Installation dans un préfixe neuf : ce qu'un empaqueteur et un bureau Linux en attendent.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "LanceProgramme.h"
#include "coeur/DossierFichiers.h"

namespace {

class Installation : public testing::Test {
protected:
    // Une seule installation pour tout le groupe : elle coûte une copie de l'arbre.
    static void SetUpTestSuite()
    {
        prefixe_ = new QTemporaryDir;
        installation_ = new TExecution(
            LanceProgramme(KOVRA_CMAKE, {"--install", KOVRA_CONSTRUCTION, "--prefix", prefixe_->path().toStdString()}));
    }
    static void TearDownTestSuite()
    {
        delete installation_;
        delete prefixe_;
    }
    void SetUp() override { ASSERT_EQ(installation_->Statut, 0) << installation_->Erreurs; }

    static QString Chemin(const QString& relatif) { return prefixe_->path() + "/" + relatif; }
    static QString Contenu(const QString& relatif)
    {
        QFile f(Chemin(relatif));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    static inline QTemporaryDir* prefixe_ = nullptr;
    static inline TExecution* installation_ = nullptr;
};

TEST_F(Installation, ProgrammeInstalleTrouveSesFichiersSousShare)
{
    EXPECT_TRUE(QFileInfo(Chemin("bin/kovra")).isExecutable());
    EXPECT_FALSE(QFileInfo::exists(Chemin("bin/fichiers")));
    EXPECT_TRUE(QFileInfo::exists(Chemin("share/kovra/fichiers/accueil.jpg")));
    EXPECT_EQ(DossierFichiersDe(Chemin("bin")), Chemin("share/kovra/fichiers/"));
}

TEST_F(Installation, CalculInstalleEtudieUnFichierDeReference)
{
    const TExecution e =
        LanceProgramme(Chemin("bin/kovra-calcul").toStdString(), {KOVRA_DONNEES_TESTS "/premier_ordre.kvf"});
    ASSERT_EQ(e.Statut, 0) << e.Erreurs;
    const nlohmann::json etude = nlohmann::json::parse(e.Sortie);
    ASSERT_EQ(etude["poles"].size(), 1u);
    EXPECT_DOUBLE_EQ(etude["poles"][0][0].get<double>(), -1.0);
    EXPECT_TRUE(etude["stable"].get<bool>());
}

TEST_F(Installation, EntreeDuBureauValideEtOuvreLesEtudes)
{
    const QString entree = "share/applications/kovra.desktop";
    const TExecution e = LanceProgramme("desktop-file-validate", {Chemin(entree).toStdString()});
    EXPECT_EQ(e.Statut, 0) << e.Sortie << e.Erreurs;
    EXPECT_EQ(e.Sortie.find("error"), std::string::npos) << e.Sortie;
    const QString texte = Contenu(entree);
    for (const char* ligne : {"Exec=kovra %f", "MimeType=application/x-kovra;", "Icon=kovra", "Name=Kovra",
                              "Categories=Education;Science;"})
        EXPECT_TRUE(texte.contains(QString("\n") + ligne + "\n")) << ligne;
    EXPECT_TRUE(texte.contains("\nComment=Étudier une fonction de transfert"));
    const QImage icone(Chemin("share/icons/hicolor/256x256/apps/kovra.png"));
    EXPECT_EQ(icone.size(), QSize(256, 256));
}

// Le type MIME : XML bien formé, le motif *.kvf et un commentaire français par défaut.
TEST_F(Installation, TypeMimeDesEtudes)
{
    QXmlStreamReader xml(Contenu("share/mime/packages/kovra.xml"));
    QString type, motif, commentaire;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == u"mime-type")
            type = a.value("type").toString();
        else if (xml.name() == u"glob")
            motif = a.value("pattern").toString();
        else if (xml.name() == u"comment" && !a.hasAttribute("xml:lang"))
            commentaire = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(xml.namespaceUri(), QString());
    EXPECT_EQ(type, "application/x-kovra");
    EXPECT_EQ(motif, "*.kvf");
    EXPECT_TRUE(commentaire.startsWith("Étude Kovra")) << commentaire.toStdString();
}

// Le guide et toutes ses images sous share/doc/kovra/, nommé par l'aide du programme installé.
TEST_F(Installation, GuideInstalleAvecSesImagesEtNommeParLAide)
{
    const QDir construit(KOVRA_CONSTRUCTION "/bin/doc");
    const QStringList pages = construit.entryList(QDir::Files);
    ASSERT_TRUE(pages.contains("guide.html"));
    ASSERT_GT(pages.filter(".png").size(), 10);
    for (const QString& f : pages)
        EXPECT_TRUE(QFileInfo::exists(Chemin("share/doc/kovra/" + f))) << f.toStdString();
    EXPECT_EQ(CheminGuideDe(Chemin("bin")), Chemin("share/doc/kovra/guide.html"));
    const TExecution aide = LanceProgramme(Chemin("bin/kovra").toStdString(), {"--help"});
    EXPECT_EQ(aide.Statut, 0) << aide.Erreurs;
    EXPECT_NE(aide.Sortie.find(Chemin("share/doc/kovra/guide.html").toStdString()), std::string::npos) << aide.Sortie;
    for (const QString& exemple : QDir(KOVRA_CONSTRUCTION "/bin/fichiers/exemples").entryList(QDir::Files))
        EXPECT_TRUE(QFileInfo::exists(Chemin("share/kovra/fichiers/exemples/" + exemple))) << exemple.toStdString();
}

}
