#include "Exemples.h"

const std::vector<TExemple>& ExemplesKovra()
{
    static const std::vector<TExemple> exemples = {
        {QStringLiteral("premier-ordre.kvf"), QStringLiteral("Premier ordre")},
        {QStringLiteral("second-ordre-0,2.kvf"), QStringLiteral("Second ordre, ζ = 0,2")},
        {QStringLiteral("second-ordre-0,7.kvf"), QStringLiteral("Second ordre, ζ = 0,7")},
        {QStringLiteral("second-ordre-1.kvf"), QStringLiteral("Second ordre, ζ = 1")},
        {QStringLiteral("troisieme-ordre.kvf"), QStringLiteral("Trois pôles égaux")},
        {QStringLiteral("integrateur-deux-poles.kvf"), QStringLiteral("Intégrateur et deux pôles")},
        {QStringLiteral("retard-pur.kvf"), QStringLiteral("Premier ordre et retard pur")},
        {QStringLiteral("zero-instable.kvf"), QStringLiteral("Zéro à partie réelle positive")},
        {QStringLiteral("paire-resonante.kvf"), QStringLiteral("Paire de pôles résonante")},
        {QStringLiteral("passe-bande.kvf"), QStringLiteral("Passe-bande du second ordre")},
        {QStringLiteral("chaine-degre-10.kvf"), QStringLiteral("Chaîne de dix pôles")},
        {QStringLiteral("boucle-ouverte-instable.kvf"), QStringLiteral("Boucle ouverte instable, stabilisée par un gain")},
    };
    return exemples;
}
