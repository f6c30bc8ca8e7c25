// Une étude donnée au démarrage (double-clic sur un .kvf) : lue comme par « Lire un fichier
// données », mêmes contrôles et mêmes messages.
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "AideDialogues.h"
#include "fenetres/UPrinc.h"

namespace {

const QString Donnees = QStringLiteral(KOVRA_DONNEES_TESTS "/");

TEST(DemarrageEtude, BonFichierOuvertCommeParLeMenu)
{
    QTemporaryDir dossier;
    EnregistreurMessages messages;
    TEcranPrincipal ecran(dossier.path() + "/");
    messages.Messages.clear();  // l'image d'accueil absente du dossier de test
    ecran.LitFichier(Donnees + "deux_poles_reels.kvf");
    EXPECT_TRUE(messages.Messages.isEmpty()) << messages.Messages.join('|').toStdString();
    EXPECT_EQ(ecran.windowTitle(), "Kovra  " + Donnees + "deux_poles_reels.kvf");
    EXPECT_TRUE(ecran.Document.EtudeFaite);
    EXPECT_EQ(ecran.Document.Systeme.Denominateur.Degre, 2);
    EXPECT_TRUE(ecran.Kovra->menuAction()->isEnabled());
    EXPECT_TRUE(ecran.RegimeHarmonique->menuAction()->isEnabled());
}

// Un fichier absent ou abîmé : le message de la lecture, le document de démarrage intact.
TEST(DemarrageEtude, MauvaisFichierAnnonceEtDocumentDeDemarrageGarde)
{
    QTemporaryDir dossier;
    QFile abime(dossier.filePath("abime.kvf"));
    ASSERT_TRUE(abime.open(QIODevice::WriteOnly));
    abime.write("Kovra 1.8.0\n12\nn'importe quoi\n");
    abime.close();
    for (const QString& chemin : {dossier.filePath("absent.kvf"), abime.fileName()}) {
        EnregistreurMessages messages;
        TEcranPrincipal ecran(dossier.path() + "/");
        messages.Messages.clear();
        const int degre = ecran.Document.Systeme.Denominateur.Degre;
        ecran.LitFichier(chemin);
        ASSERT_EQ(messages.Messages.size(), 1) << chemin.toStdString();
        EXPECT_FALSE(messages.Messages[0].isEmpty());
        EXPECT_EQ(ecran.windowTitle(), "Kovra");
        EXPECT_FALSE(ecran.Document.EtudeFaite);
        EXPECT_EQ(ecran.Document.Systeme.Denominateur.Degre, degre);
        EXPECT_FALSE(ecran.Kovra->menuAction()->isEnabled());
        EXPECT_FALSE(ecran.RegimeHarmonique->menuAction()->isEnabled());
    }
}

}
