#pragma once
// Étude de la fonction de transfert sur la fenêtre principale : titre, forme développée,
// forme factorisée, tableau des zéros et des pôles, verdict de stabilité.
#include <QRect>

#include "DessinPlace.h"
#include "coeur/Document.h"

class QPainter;

struct TEtudePlacee {
    TDessinPlace Dessin;
    // Tailles retenues après ajustement à la largeur de la fenêtre.
    int TailleDeveloppee = 9;
    int ExposantDeveloppe = 7;
    int TailleFactorisee = 9;
    int ExposantFactorise = 7;
};

// Place l'étude dans une zone cliente de cette taille, aux résolutions du support.
TEtudePlacee MiseEnPageEtude(const TDocument& doc, const QSize& client, const QPaintDevice& support);

void DessineEtude(QPainter& p, const QRect& zoneClient, const TDocument& doc);
