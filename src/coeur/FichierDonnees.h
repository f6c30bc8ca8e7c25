#pragma once
// Fichier de données .kvf : une valeur par ligne.
#include <QByteArray>
#include <QString>
#include <string_view>

#include "Document.h"

// En cas d'échec le document reste tel qu'il était et `erreur` dit pourquoi, en français.
// Une lecture réussie remplace le document (NomFichierDonnees := chemin) et calcule les
// racines non valides ; elle ne lance pas l'analyse. Un fichier dont ces racines ne peuvent pas
// être calculées est refusé.
// Au-delà de TailleFichierDonneesMax octets, le fichier est refusé sans être lu jusqu'au bout. Un
// dénominateur nul est refusé. Des racines conservées que les coefficients démentent sont
// recalculées, et `avis` (s'il est donné) le dit ; il est vide sinon.
inline constexpr qint64 TailleFichierDonneesMax = 1 << 20;
bool LitFichierDonnees(const QString& chemin, TDocument& doc, QString& erreur, QString* avis = nullptr);
// La même lecture sur un contenu déjà en mémoire ; `chemin` ne sert qu'aux messages.
bool LitContenuDonnees(const QByteArray& contenu, const QString& chemin, TDocument& doc, QString& erreur,
                       QString* avis = nullptr);
// Ce que l'enregistrement écrirait : deux documents qui le partagent ne diffèrent en rien qu'un
// fichier garde.
QByteArray TexteFichierDonnees(const TDocument& doc);
// Écrit par QSaveFile : un échec laisse l'ancien fichier intact.
bool EnregistreFichierDonnees(const QString& chemin, const TDocument& doc, QString& erreur);
// Réel d'un mot entier, "." pour séparateur quelle que soit la locale ; refuse le non fini et ce
// qui dépasse la précision étendue, lit au plus proche ce qui est plus petit que sa plus petite
// valeur normale.
bool LitReelPoint(std::string_view mot, Reel& x);
