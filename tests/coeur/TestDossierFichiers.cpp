#include "coeur/DossierFichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CasDossier {
    const char* Nom;
    bool ACote;
    bool Installe;
    const char* Attendu;  // relatif au préfixe
};

// L'arbre de construction garde fichiers/ à côté de l'exécutable, l'installation le met sous share/.
TEST(DossierFichiers, ACoteDAbordPuisSousShare)
{
    const CasDossier cas[] = {
        {"construction", true, false, "bin/fichiers/"},
        {"installe", false, true, "share/kovra/fichiers/"},
        {"les deux : la construction gagne", true, true, "bin/fichiers/"},
        {"aucun : à côté, que le message nommera", false, false, "bin/fichiers/"},
    };
    for (const CasDossier& c : cas) {
        QTemporaryDir prefixe;
        QDir racine(prefixe.path());
        racine.mkpath("bin");
        if (c.ACote)
            racine.mkpath("bin/fichiers");
        if (c.Installe)
            racine.mkpath("share/kovra/fichiers");
        EXPECT_EQ(DossierFichiersDe(prefixe.path() + "/bin"), prefixe.path() + "/" + c.Attendu) << c.Nom;
    }
}

// Le guide suit la même règle : la page d'à côté tant qu'elle existe, puis celle de share/doc/.
TEST(DossierFichiers, GuideACoteDAbordPuisSousShareDoc)
{
    const CasDossier cas[] = {
        {"construction", true, false, "bin/doc/guide.html"},
        {"installe", false, true, "share/doc/kovra/guide.html"},
        {"les deux : la construction gagne", true, true, "bin/doc/guide.html"},
        {"aucun : à côté, que le message nommera", false, false, "bin/doc/guide.html"},
    };
    for (const CasDossier& c : cas) {
        QTemporaryDir prefixe;
        QDir racine(prefixe.path());
        for (const auto& [present, page] : {std::pair{c.ACote, "bin/doc/guide.html"},
                                            std::pair{c.Installe, "share/doc/kovra/guide.html"}}) {
            racine.mkpath(QFileInfo(racine.filePath(page)).path());
            if (present) {
                QFile f(racine.filePath(page));
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            }
        }
        EXPECT_EQ(CheminGuideDe(prefixe.path() + "/bin"), prefixe.path() + "/" + c.Attendu) << c.Nom;
    }
}

}
