#pragma once
// Tableau des valeurs échantillonnées du diagramme à l'écran, telles que le dernier tracé
// les a rangées dans le document : rien n'est recalculé.
#include <QRect>
#include <QWidget>

class QTableWidget;
struct TDocument;

// Place de la fenêtre d'un tableau : le coin haut gauche de son cadre (celui de move()) et la
// taille de sa zone cliente. La taille voulue quand l'écran disponible la tient avec le décor
// (barre de titre, bords), sinon l'écran entier, la grille défilant à l'intérieur ; le coin en
// (20, 120) de l'écran, ramené dedans s'il le faut.
QRect PlaceTableau(QSize voulue, const QRect& dispo, QSize decor);

class TEcranTabVal : public QWidget {
    Q_OBJECT
public:
    explicit TEcranTabVal(const TDocument& document, QWidget* parent = nullptr);

    QTableWidget* TabVal = nullptr;

    // Remplit et montre le tableau ; rien quand aucun diagramme n'est affiché.
    void Tableau();

private:
    void Dimensionne(int largeurGrille);

    const TDocument& document_;
};
