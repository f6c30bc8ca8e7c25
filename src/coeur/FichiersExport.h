#pragma once
// Les fichiers d'un export : la copie de travail du modèle, puis le résultat posé à sa place.
#include <QString>

// "Copie de <modèle>" dans le dossier des fichiers du programme quand on peut y écrire,
// sinon dans le dossier temporaire de l'utilisateur (un programme installé ne le peut pas).
QString CheminCopieDeTravail(const QString& modele, const QString& dossierFichiers);

// Remplace une copie précédente ; faux si le modèle n'a pas pu être copié.
bool CopieModele(const QString& modele, const QString& copie);

// Le résultat n'est remplacé que par un classeur complet : écrit à côté, puis renommé. La
// copie de travail disparaît quand le résultat est posé.
bool PoseResultat(const QString& copie, const QString& resultat);
