#include "coeur/DossierFichiers.h"

#include <QDir>
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

}
