#pragma once
// Schéma de couleurs des dessins : vingt éléments nommés, rouge dans l'octet de poids faible.
#include <QString>
#include <QtGlobal>
#include <array>

struct TElementCouleur {
    QString Libelle;
    QString Cle;
    quint32 Couleur = 0;
};

inline constexpr int NbElementsCouleur = 20;
using TSchemaCouleurs = std::array<TElementCouleur, NbElementsCouleur>;

const TSchemaCouleurs& SchemaDefaut();
quint32 CouleurDe(const TSchemaCouleurs& schema, const QString& cle);
quint32 ComposeRVB(int r, int v, int b);
void DecomposeRVB(quint32 valeur, int& r, int& v, int& b);
