// La ligne de commande du programme de bureau, lue puis passée au vrai programme.
#include "coeur/ArgumentsKovra.h"

#include <gtest/gtest.h>

#include "LanceProgramme.h"

namespace {

struct CasArguments {
    QStringList Arguments;
    TActionDemarrage Action;
    QString Fichier;
    QString Extrait;  // dans le texte écrit
};

TEST(ArgumentsKovra, LectureDeLaLigneDeCommande)
{
    const CasArguments cas[] = {
        {{}, TActionDemarrage::Lancer, "", ""},
        {{"etude.kvf"}, TActionDemarrage::Lancer, "etude.kvf", ""},
        {{"--", "-bizarre.kvf"}, TActionDemarrage::Lancer, "-bizarre.kvf", ""},
        {{"--help"}, TActionDemarrage::Aide, "", "Usage : kovra [FICHIER.kvf]"},
        {{"etude.kvf", "-h"}, TActionDemarrage::Aide, "", "« Lire un fichier données »"},
        {{"--version"}, TActionDemarrage::Version, "", "Kovra 1.8.0\n"},
        {{"--vue"}, TActionDemarrage::Erreur, "", "kovra : option inconnue « --vue »."},
        {{"a.kvf", "b.kvf"}, TActionDemarrage::Erreur, "", "kovra : un seul fichier à la fois."},
        {{""}, TActionDemarrage::Erreur, "", "kovra : nom de fichier vide."},
    };
    for (const CasArguments& c : cas) {
        const TDemarrage d = LitArgumentsKovra(c.Arguments);
        const std::string nom = c.Arguments.join(' ').toStdString();
        EXPECT_EQ(d.Action, c.Action) << nom;
        EXPECT_EQ(d.Fichier, c.Fichier) << nom;
        EXPECT_TRUE(d.Texte.contains(c.Extrait)) << nom << " : " << d.Texte.toStdString();
        // Une faute rappelle l'usage.
        EXPECT_EQ(d.Action == TActionDemarrage::Erreur, d.Texte.contains("Usage : kovra") && d.Texte.startsWith("kovra : "))
            << nom;
    }
}

// Le vrai programme sort sans écran pour l'aide et la version, code 2 sur une faute.
TEST(ArgumentsKovra, ProgrammeRepondSansOuvrirDeFenetre)
{
    const TExecution aide = LanceProgramme(KOVRA_PROGRAMME, {"--help"});
    EXPECT_EQ(aide.Statut, 0);
    EXPECT_NE(aide.Sortie.find("Usage : kovra [FICHIER.kvf]"), std::string::npos) << aide.Sortie;
    const TExecution version = LanceProgramme(KOVRA_PROGRAMME, {"--version"});
    EXPECT_EQ(version.Statut, 0);
    EXPECT_EQ(version.Sortie, "Kovra 1.8.0\n");
    const TExecution faute = LanceProgramme(KOVRA_PROGRAMME, {"--image", "x.png"});
    EXPECT_EQ(faute.Statut, SortieArgumentsKovra);
    EXPECT_TRUE(faute.Sortie.empty());
    EXPECT_NE(faute.Erreurs.find("option inconnue « --image »"), std::string::npos) << faute.Erreurs;
}

}
