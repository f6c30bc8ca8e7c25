#pragma once
// Ligne de commande du programme de bureau : une étude à ouvrir, ou l'aide, ou la version.
#include <QString>
#include <QStringList>

enum class TActionDemarrage { Lancer, Aide, Version, Erreur };

struct TDemarrage {
    TActionDemarrage Action = TActionDemarrage::Lancer;
    QString Fichier;  // vide : le document de démarrage
    QString Texte;    // aide, version ou faute, à écrire avant de sortir
};

constexpr int SortieArgumentsKovra = 2;

// `arguments` sans le nom du programme.
TDemarrage LitArgumentsKovra(const QStringList& arguments);
