#pragma once
// Un fichier écrit d'un coup par QSaveFile : l'ancien n'est remplacé que par le contenu complet.
#include <QByteArray>
#include <QString>

enum class TEcritureFichier { Faite, NonCree, Inachevee };

// Hors de Faite, l'ancien fichier est intact et `raison` dit pourquoi (texte du système).
TEcritureFichier EcritFichierEntier(const QString& chemin, const QByteArray& contenu, QString& raison);
