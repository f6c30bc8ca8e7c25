// Les fichiers d'un export : la copie de travail va là où l'on peut écrire, et un résultat
// existant n'est jamais abîmé par un export qui échoue.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "SousLimiteDeTaille.h"
#include "coeur/FichiersExport.h"

namespace {

void Ecrit(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

QByteArray Lit(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("illisible");
}

class FichiersExport : public testing::Test {
protected:
    QTemporaryDir Dossier;
    QString Chemin(const char* nom) const { return Dossier.filePath(QString::fromUtf8(nom)); }
};

TEST_F(FichiersExport, LaCopieDeTravailNEcraseRien)
{
    // Le nom du modèle garde sa casse : un système de fichiers qui la distingue ne le perd pas.
    EXPECT_EQ(CheminCopieDeTravail(QStringLiteral("/ailleurs/Mon Modèle.xlsx"), Dossier.path()),
              Chemin("Copie de Mon Modèle.xlsx"));
    Ecrit(Chemin("modèle.xlsx"), "modèle");
    ASSERT_TRUE(QFile(Chemin("modèle.xlsx")).setPermissions(QFileDevice::ReadOwner));
    EXPECT_TRUE(CopieModele(Chemin("modèle.xlsx"), Chemin("copie.xlsx")));
    EXPECT_EQ(Lit(Chemin("copie.xlsx")), QByteArray("modèle"));
    EXPECT_TRUE(QFile(Chemin("copie.xlsx")).permissions() & QFileDevice::WriteOwner);
    EXPECT_FALSE(CopieModele(Chemin("absent.xlsx"), Chemin("copie2.xlsx")));
    Ecrit(Chemin("autre.xlsx"), "fichier de l'utilisateur");
    EXPECT_FALSE(CopieModele(Chemin("modèle.xlsx"), Chemin("autre.xlsx")));
    EXPECT_EQ(Lit(Chemin("autre.xlsx")), QByteArray("fichier de l'utilisateur"));
    EXPECT_FALSE(CopieModele(Chemin("modèle.xlsx"), Chemin("modèle.xlsx"))) << "le modèle ne s'efface pas lui-même";
    EXPECT_EQ(Lit(Chemin("modèle.xlsx")), QByteArray("modèle"));
}

TEST_F(FichiersExport, LeResultatRemplaceLAncienSeulementQuandIlEstComplet)
{
    Ecrit(Chemin("Diagrammes.xlsx"), "résultat précédent");
    EXPECT_FALSE(PoseResultat(Chemin("copie absente.xlsx"), Chemin("Diagrammes.xlsx")));
    EXPECT_EQ(Lit(Chemin("Diagrammes.xlsx")), QByteArray("résultat précédent"));

    Ecrit(Chemin("copie.xlsx"), "nouveau classeur");
    EXPECT_FALSE(PoseResultat(Chemin("copie.xlsx"), Chemin("dossier absent/Diagrammes.xlsx")));
    EXPECT_TRUE(PoseResultat(Chemin("copie.xlsx"), Chemin("Diagrammes.xlsx")));
    EXPECT_EQ(Lit(Chemin("Diagrammes.xlsx")), QByteArray("nouveau classeur"));
    QStringList presents = QDir(Dossier.path()).entryList(QDir::Files);
    presents.sort();
    EXPECT_EQ(presents, (QStringList{"Diagrammes.xlsx", "copie.xlsx"})) << "aucun fichier en plus, aucun en moins";
}

// Disque plein au moment de poser le classeur (limite de taille des fichiers) : le résultat
// précédent reste octet pour octet et l'échec est dit.
TEST_F(FichiersExport, DisquePleinGardeLeResultatPrecedent)
{
    constexpr rlim_t Limite = 4096;
    Ecrit(Chemin("Diagrammes.xlsx"), "résultat précédent");
    Ecrit(Chemin("copie.xlsx"), QByteArray(3 * Limite, 'x'));
    const int statut = SousLimiteDeTaille(
        Limite, [&] { return PoseResultat(Chemin("copie.xlsx"), Chemin("Diagrammes.xlsx")) ? 1 : 0; });
    EXPECT_EQ(statut, 0) << "1 : classeur posé malgré la limite";
    EXPECT_EQ(Lit(Chemin("Diagrammes.xlsx")), QByteArray("résultat précédent"));
    QStringList presents = QDir(Dossier.path()).entryList(QDir::Files);
    presents.sort();
    EXPECT_EQ(presents, (QStringList{"Diagrammes.xlsx", "copie.xlsx"}));
}

TEST_F(FichiersExport, LaCopieChoisieCommeResultatReste)
{
    Ecrit(Chemin("copie.xlsx"), "classeur");
    EXPECT_TRUE(PoseResultat(Chemin("copie.xlsx"), Dossier.path() + "/./copie.xlsx"));
    EXPECT_EQ(Lit(Chemin("copie.xlsx")), QByteArray("classeur"));
}

// Les modèles du programme, sous quelque nom qu'on les désigne, ne reçoivent jamais un export.
TEST_F(FichiersExport, LesModelesNeSontJamaisUneCible)
{
    const QString fichiers = Dossier.path() + QStringLiteral("/fichiers/");
    ASSERT_TRUE(QDir().mkpath(fichiers));
    ASSERT_TRUE(QDir().mkpath(Chemin("docs")));
    Ecrit(fichiers + "modèle diagrammes.xlsx", "modèle");
    ASSERT_TRUE(QFile::link(fichiers, Chemin("lien")));
    const QString modele = fichiers + "modèle diagrammes.xlsx";
    const QString monModele = Chemin("docs/mon modèle.xlsx");
    EXPECT_TRUE(CibleProtegee(modele, modele, fichiers));
    EXPECT_TRUE(CibleProtegee(Chemin("lien/modèle diagrammes.xlsx"), modele, fichiers));
    EXPECT_TRUE(CibleProtegee(Chemin("docs/../fichiers/nouveau.xlsx"), modele, fichiers));
    EXPECT_TRUE(CibleProtegee(monModele, monModele, fichiers)) << "le modèle choisi ailleurs";
    EXPECT_FALSE(CibleProtegee(Chemin("docs/Diagrammes.xlsx"), modele, fichiers));
    EXPECT_FALSE(CibleProtegee(Chemin("docs/Diagrammes.xlsx"), monModele, fichiers));
    EXPECT_FALSE(CibleProtegee(Chemin("Diagrammes.xlsx"), modele, fichiers + "absent/"));
}

}
