// Les fichiers d'un export : la copie de travail va là où l'on peut écrire, et un résultat
// existant n'est jamais abîmé par un export qui échoue.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

TEST_F(FichiersExport, CopieDeTravailDansLeDossierDesFichiersOuLeDossierTemporaire)
{
    const QString dossier = Dossier.path() + QStringLiteral("/Fichiers Kovra/");
    ASSERT_TRUE(QDir().mkpath(dossier));
    // Le nom du modèle garde sa casse : un système de fichiers qui la distingue ne le perd pas.
    const QString modele = QStringLiteral("/ailleurs/Mon Modèle.xlsx");
    EXPECT_EQ(CheminCopieDeTravail(modele, dossier), dossier + QStringLiteral("Copie de Mon Modèle.xlsx"));
    EXPECT_EQ(CheminCopieDeTravail(modele, Dossier.path() + QStringLiteral("/absent/")),
              QDir(QDir::tempPath()).filePath(QStringLiteral("Copie de Mon Modèle.xlsx")));
}

TEST_F(FichiersExport, LaCopieRemplaceLaPrecedente)
{
    Ecrit(Chemin("modèle.xlsx"), "modèle");
    Ecrit(Chemin("copie.xlsx"), "ancienne copie plus longue");
    ASSERT_TRUE(QFile(Chemin("modèle.xlsx")).setPermissions(QFileDevice::ReadOwner));
    EXPECT_TRUE(CopieModele(Chemin("modèle.xlsx"), Chemin("copie.xlsx")));
    EXPECT_EQ(Lit(Chemin("copie.xlsx")), QByteArray("modèle"));
    EXPECT_TRUE(QFile(Chemin("copie.xlsx")).permissions() & QFileDevice::WriteOwner);
    EXPECT_FALSE(CopieModele(Chemin("absent.xlsx"), Chemin("copie2.xlsx")));
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
    EXPECT_TRUE(QFile::exists(Chemin("copie.xlsx"))) << "la copie reste quand le résultat n'est pas posé";

    EXPECT_TRUE(PoseResultat(Chemin("copie.xlsx"), Chemin("Diagrammes.xlsx")));
    EXPECT_EQ(Lit(Chemin("Diagrammes.xlsx")), QByteArray("nouveau classeur"));
    EXPECT_FALSE(QFile::exists(Chemin("copie.xlsx")));
    EXPECT_EQ(QDir(Dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("Diagrammes.xlsx")});
}

TEST_F(FichiersExport, LaCopieChoisieCommeResultatReste)
{
    Ecrit(Chemin("copie.xlsx"), "classeur");
    EXPECT_TRUE(PoseResultat(Chemin("copie.xlsx"), Chemin("copie.xlsx")));
    EXPECT_EQ(Lit(Chemin("copie.xlsx")), QByteArray("classeur"));
}

}
