#pragma once
// Fermeture de la boucle à retour unitaire sur le document : N et D deviennent ceux de
// F = K.N/(D + K.N), racines calculées ; l'analyse reste à faire par l'appelant.
#include <QString>

#include "Document.h"

// Message de refus, vide quand la boucle est fermée.
QString FermeLaBoucle(TDocument& doc, Reel k);

// Degrés et coefficients de N et D : ce qui distingue une fonction d'une autre.
std::vector<Reel> SignatureFonction(const TDocument& doc);

// « Boucle fermée … » quand la fonction étudiée est une boucle fermée de la saisie, sinon vide.
QString TexteBoucleFermee(const TDocument& doc);

// Le verdict de l'étude, qui dit de quelle boucle il parle quand la fonction est une boucle fermée.
QString VerdictEtude(const TDocument& doc);

// La ligne des marges sous le verdict, vide quand elle n'est pas affichée ; pour une boucle
// fermée, elle dit qu'elle parle de cette fonction prise à son tour en boucle ouverte.
QString LigneMargesAffichee(const TDocument& doc);
