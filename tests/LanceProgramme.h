#pragma once
// Un programme lancé comme depuis un terminal : code de sortie, sortie standard et erreurs.
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

inline TExecution LanceProgramme(const std::string& programme, const std::vector<std::string>& arguments)
{
    QTemporaryDir dossier;
    const std::string erreurs = dossier.filePath("erreurs").toStdString();
    std::string commande = "'" + programme + "'";
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
