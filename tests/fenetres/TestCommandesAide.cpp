// « Aide » ouvre la page installée du guide (adresse interceptée, aucun navigateur lancé) ;
// chaque exemple de « Fichier » s'ouvre sans message, en lecture seule, sous son titre.
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QUrl>
#include <cmath>
#include <gtest/gtest.h>

#include "AideDialogues.h"
#include "coeur/DossierFichiers.h"
#include "coeur/Exemples.h"
#include "fenetres/CommandesAide.h"
#include "fenetres/UPrinc.h"

class TIntercepteurUrl : public QObject {
    Q_OBJECT
public:
    TIntercepteurUrl() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Ouvre"); }
    ~TIntercepteurUrl() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> Ouvertes;
public slots:
    void Ouvre(const QUrl& url) { Ouvertes << url; }
};

namespace {

const QString Fichiers = QStringLiteral(KOVRA_FICHIERS "/");

QAction* CommandeDeLaBarre(TEcranPrincipal& ecran, const QString& texte)
{
    for (QAction* a : ecran.menuBar()->actions())
        if (a->text() == texte)
            return a;
    return nullptr;
}

TEST(CommandesAide, AideOuvreLaPageInstalleeApresAPropos)
{
    QTemporaryDir prefixe;
    QProcess installation;
    installation.start(KOVRA_CMAKE, {"--install", KOVRA_CONSTRUCTION, "--prefix", prefixe.path()});
    ASSERT_TRUE(installation.waitForFinished(120000));
    ASSERT_EQ(installation.exitCode(), 0) << installation.readAllStandardError().toStdString();
    const QString page = prefixe.path() + "/share/doc/kovra/guide.html";

    EnregistreurMessages messages;
    TEcranPrincipal ecran(Fichiers);
    messages.Messages.clear();
    ecran.CommandesAide->CheminGuide = CheminGuideDe(prefixe.path() + "/bin");
    const QList<QAction*> barre = ecran.menuBar()->actions();
    const qsizetype aPropos = barre.indexOf(ecran.Apropos1);
    ASSERT_GE(aPropos, 0);
    ASSERT_EQ(barre.indexOf(ecran.CommandesAide->Aide1), aPropos + 1);
    EXPECT_EQ(CommandeDeLaBarre(ecran, "Aide"), ecran.CommandesAide->Aide1);

    TIntercepteurUrl intercepteur;
    ecran.CommandesAide->Aide1->trigger();
    ASSERT_EQ(intercepteur.Ouvertes.size(), 1);
    EXPECT_EQ(intercepteur.Ouvertes[0], QUrl::fromLocalFile(page));
    EXPECT_TRUE(intercepteur.Ouvertes[0].isLocalFile());
    EXPECT_TRUE(QFileInfo(intercepteur.Ouvertes[0].toLocalFile()).isFile());
    EXPECT_TRUE(messages.Messages.isEmpty()) << messages.Messages.join('|').toStdString();
}

// Le programme lancé depuis la construction trouve la page construite à côté de lui.
TEST(CommandesAide, LeProgrammeTrouveSonGuide)
{
    EnregistreurMessages messages;
    TEcranPrincipal ecran(Fichiers);
    EXPECT_EQ(ecran.CommandesAide->CheminGuide, QDir::cleanPath(KOVRA_DOC "/guide.html"));
}

TEST(CommandesAide, GuideAbsentDitOuIlDevraitEtre)
{
    QTemporaryDir vide;
    EnregistreurMessages messages;
    TEcranPrincipal ecran(Fichiers);
    messages.Messages.clear();
    ecran.CommandesAide->CheminGuide = vide.filePath("guide.html");
    TIntercepteurUrl intercepteur;
    ecran.CommandesAide->Aide1->trigger();
    EXPECT_TRUE(intercepteur.Ouvertes.isEmpty());
    ASSERT_EQ(messages.Messages.size(), 1);
    EXPECT_TRUE(messages.Messages[0].contains(vide.filePath("guide.html"))) << messages.Messages[0].toStdString();
}

// Chaque fichier livré a sa commande, et chaque commande son fichier.
TEST(CommandesAide, ExemplesDuMenuEtFichiersLivresSeCorrespondent)
{
    EnregistreurMessages messages;
    TEcranPrincipal ecran(Fichiers);
    QStringList titres, fichiers;
    for (const TExemple& e : ExemplesKovra()) {
        titres << e.Titre;
        fichiers << e.Fichier;
    }
    QStringList commandes;
    for (const QAction* a : ecran.CommandesAide->Exemples1->actions())
        commandes << a->text();
    EXPECT_EQ(commandes, titres);
    EXPECT_GE(titres.size(), 12);
    fichiers.sort();
    EXPECT_EQ(QDir(KOVRA_SOURCES_DOC "/exemples").entryList({"*.kvf"}, QDir::Files, QDir::Name), fichiers);
    EXPECT_EQ(QDir(Fichiers + "exemples").entryList({"*.kvf"}, QDir::Files, QDir::Name), fichiers);
    const QList<QAction*> menuFichier = ecran.Fichier->actions();
    EXPECT_EQ(menuFichier.indexOf(ecran.CommandesAide->Exemples1->menuAction()),
              menuFichier.indexOf(ecran.Lireunfichierdonnees) + 1);
}

TEST(CommandesAide, ChaqueExempleSOuvreSansMessageEnLectureSeule)
{
    for (const TExemple& exemple : ExemplesKovra()) {
        EnregistreurMessages messages;
        TEcranPrincipal ecran(Fichiers);
        messages.Messages.clear();
        QAction* commande = nullptr;
        for (QAction* a : ecran.CommandesAide->Exemples1->actions())
            if (a->text() == exemple.Titre)
                commande = a;
        ASSERT_NE(commande, nullptr) << exemple.Titre.toStdString();
        commande->trigger();
        const std::string nom = commande->text().toStdString();
        EXPECT_TRUE(messages.Messages.isEmpty()) << nom << " : " << messages.Messages.join('|').toStdString();
        EXPECT_TRUE(ecran.Document.EtudeFaite) << nom;
        EXPECT_EQ(ecran.windowTitle(), "Kovra  Exemple : " + commande->text());
        EXPECT_TRUE(ecran.ElementsSimples->isEnabled()) << nom;

        // L'enregistrement ne propose pas l'exemple : il demande un nom neuf.
        QStringList proposes;
        ecran.ChoixFichier = [&proposes](QFileDialog& dialogue) {
            proposes = dialogue.selectedFiles();
            return QString();
        };
        ecran.EnregistrerlesdonneesClick();
        for (const QString& propose : proposes)
            EXPECT_FALSE(propose.endsWith(".kvf")) << nom << " : " << propose.toStdString();
    }
}

// Un exemple manquant (installation abîmée) : le message de la lecture, rien d'autre ne change.
TEST(CommandesAide, ExempleManquantAnnonceEtLaisseLaFenetre)
{
    EnregistreurMessages messages;
    TEcranPrincipal ecran(Fichiers);
    messages.Messages.clear();
    EXPECT_FALSE(ecran.CommandesAide->OuvreExemple({"absent.kvf", "Exemple absent"}));
    ASSERT_EQ(messages.Messages.size(), 1);
    EXPECT_TRUE(messages.Messages[0].contains("absent.kvf")) << messages.Messages[0].toStdString();
    EXPECT_EQ(ecran.windowTitle(), "Kovra");
    EXPECT_FALSE(ecran.Document.EtudeFaite);
}

// Les exemples disent ce que leur titre annonce : ζ lu dans le titre, stabilité de la boucle
// ouverte, pôle nul de l'intégrateur, retard.
TEST(CommandesAide, ExemplesConformesALeurTitre)
{
    const QRegularExpression zeta(QStringLiteral("ζ = (\\d),(\\d)"));
    int secondsOrdres = 0;
    for (const TExemple& e : ExemplesKovra()) {
        EnregistreurMessages messages;
        TEcranPrincipal ecran(Fichiers);
        ASSERT_TRUE(ecran.CommandesAide->OuvreExemple(e)) << e.Titre.toStdString();
        const TDocument& d = ecran.Document;
        if (const auto m = zeta.match(e.Titre); m.hasMatch()) {
            ++secondsOrdres;
            const long double z = m.captured(1).toInt() + m.captured(2).toInt() / 10.0L;
            ASSERT_EQ(d.Systeme.Denominateur.Degre, 2);
            EXPECT_NEAR(double(d.Systeme.Denominateur.Coef[1].Re / d.Systeme.Denominateur.Coef[2].Re),
                        double(2 * z * std::sqrt(d.Systeme.Denominateur.Coef[0].Re / d.Systeme.Denominateur.Coef[2].Re)), 1e-12);
        }
        EXPECT_EQ(d.Systeme.SystemeStable, !e.Titre.contains("instable")) << e.Titre.toStdString();
        EXPECT_EQ(d.Systeme.Denominateur.Coef[0].Re == 0, e.Titre.contains("Intégrateur")) << e.Titre.toStdString();
        EXPECT_EQ(d.Systeme.TempsMort != 0, e.Titre.contains("retard")) << e.Titre.toStdString();
    }
    EXPECT_EQ(secondsOrdres, 2);
}

}

#include "TestCommandesAide.moc"
