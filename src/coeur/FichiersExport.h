#pragma once
// Les fichiers d'un export : la copie de travail du modèle dans un dossier privé, puis le
// résultat posé sous le nom choisi. Aucun autre fichier n'est effacé ni remplacé.
#include <QString>

// "Copie de <modèle>" dans le dossier de travail, que l'appelant crée et efface.
QString CheminCopieDeTravail(const QString& modele, const QString& dossierTravail);

// Faux si le modèle n'a pas pu être copié, ou si la copie existe déjà.
bool CopieModele(const QString& modele, const QString& copie);

// Le résultat n'est remplacé que par un classeur complet : écrit à côté, puis renommé.
bool PoseResultat(const QString& copie, const QString& resultat);

// Vrai quand `resultat` est le modèle utilisé ou un fichier du dossier des fichiers du
// programme : un export ne doit jamais salir les modèles des exports suivants.
bool CibleProtegee(const QString& resultat, const QString& modele, const QString& dossierFichiers);
