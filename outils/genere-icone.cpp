// Écrit l'icône de Kovra en PNG, celle que la fenêtre porte, pour le bureau.
// Usage : genere-icone CHEMIN.png COTE
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "trace/IconeKovra.h"

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const int cote = argc == 3 ? std::atoi(argv[2]) : 0;
    if (cote < 16 || cote > 1024) {
        std::fputs("usage : genere-icone CHEMIN.png COTE (16 à 1024)\n", stderr);
        return 2;
    }
    if (!IconeKovra(cote).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "genere-icone : écriture impossible de %s\n", argv[1]);
        return 1;
    }
    return 0;
}
