#pragma once
// kovra-calcul lancé comme en ligne de commande : code de sortie, sortie et erreurs.
#include <sys/wait.h>

#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct TExecution {
    int Statut = -1;
    std::string Sortie;
    std::string Erreurs;
};

inline TExecution Lance(const std::vector<std::string>& arguments)
{
    QTemporaryDir dossier;
    const std::string erreurs = dossier.filePath("erreurs").toStdString();
    std::string commande = "'" KOVRA_CALCUL "'";
    for (const std::string& a : arguments)
        commande += " '" + a + "'";
    commande += " 2>'" + erreurs + "'";
    TExecution e;
    FILE* flot = popen(commande.c_str(), "r");
    if (flot == nullptr)
        return e;
    char tampon[4096];
    std::size_t n = 0;
    while ((n = std::fread(tampon, 1, sizeof tampon, flot)) > 0)
        e.Sortie.append(tampon, n);
    const int etat = pclose(flot);
    e.Statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
    std::ifstream f(erreurs);
    std::stringstream s;
    s << f.rdbuf();
    e.Erreurs = s.str();
    return e;
}

