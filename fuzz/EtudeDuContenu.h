#pragma once
// Ce que fait le programme d'un fichier de données : lecture, puis, si elle réussit, l'analyse
// entière et les réponses échantillonnées. Partagé par la cible de fuzzing et les tests qui
// rejouent ses trouvailles.
#include <QByteArray>
#include <string>

// Vide si tout s'est bien passé (lecture refusée en français, ou étude sans valeur non finie) ;
// sinon ce qui ne va pas.
std::string DefautEtudeDuContenu(const QByteArray& contenu);
