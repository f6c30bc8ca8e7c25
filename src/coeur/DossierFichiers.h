#pragma once
// Dossier "fichiers/" du programme : à côté de l'exécutable dans l'arbre de construction,
// dans share/kovra/ une fois installé (bin/ et share/ sous le même préfixe).
#include <QString>

// Rend le chemin terminé par "/" ; sans aucun des deux dossiers, celui d'à côté, que le
// message d'image absente nommera.
QString DossierFichiersDe(const QString& dossierExecutable);

// Page HTML du guide de l'utilisateur : doc/guide.html à côté de l'exécutable dans l'arbre de
// construction, share/doc/kovra/guide.html une fois installé ; sans aucune des deux, celle
// d'à côté, que le message du guide absent nommera.
QString CheminGuideDe(const QString& dossierExecutable);
