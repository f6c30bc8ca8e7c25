#include "ArgumentsKovra.h"

namespace {

const QString Usage = QStringLiteral(
    "Usage : kovra [FICHIER.kvf]\n"
    "        kovra --help | --version\n"
    "Ouvre Kovra ; FICHIER.kvf, s'il est donné, est lu au démarrage comme par\n"
    "« Lire un fichier données ».\n"
    "  --help     affiche cette aide et sort\n"
    "  --version  affiche la version et sort\n");

TDemarrage Faute(const QString& texte)
{
    return {TActionDemarrage::Erreur, {}, QStringLiteral("kovra : ") + texte + QStringLiteral(".\n") + Usage};
}

}

TDemarrage LitArgumentsKovra(const QStringList& arguments)
{
    TDemarrage demarrage;
    bool finDesOptions = false;
    for (const QString& argument : arguments) {
        const bool option = !finDesOptions && argument.startsWith(u'-') && argument.size() > 1;
        if (option && argument == QStringLiteral("--"))
            finDesOptions = true;
        else if (option && (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")))
            return {TActionDemarrage::Aide, {}, Usage};
        else if (option && argument == QStringLiteral("--version"))
            return {TActionDemarrage::Version, {}, QStringLiteral("Kovra 1.8.0\n")};
        else if (option)
            return Faute(QStringLiteral("option inconnue « ") + argument + QStringLiteral(" »"));
        else if (!demarrage.Fichier.isEmpty())
            return Faute(QStringLiteral("un seul fichier à la fois"));
        else if (argument.isEmpty())
            return Faute(QStringLiteral("nom de fichier vide"));
        else
            demarrage.Fichier = argument;
    }
    return demarrage;
}
