#pragma once
// Tableau des valeurs échantillonnées du diagramme à l'écran, telles que son dernier tracé les
// a relevées pour la fenêtre du diagramme : rien n'est recalculé.
#include <QRect>
#include <QWidget>

class QLabel;
class QTableWidget;
struct TTraceDiagramme;

// Place de la fenêtre d'un tableau : le coin haut gauche de son cadre (celui de move()) et la
// taille de sa zone cliente. La taille voulue quand l'écran disponible la tient avec le décor
// (barre de titre, bords), sinon l'écran entier, la grille défilant à l'intérieur ; le coin en
// (20, 120) de l'écran, ramené dedans s'il le faut.
QRect PlaceTableau(QSize voulue, const QRect& dispo, QSize decor);

class TEcranTabVal : public QWidget {
    Q_OBJECT
public:
    // `trace` : le relevé que garde la fenêtre du diagramme, qui vit plus longtemps que le tableau.
    explicit TEcranTabVal(const TTraceDiagramme& trace, QWidget* parent = nullptr);

    QTableWidget* TabVal = nullptr;
    // Bode avec ses asymptotes : l'écart du gain exact à l'asymptote en ωn de chaque paire.
    QLabel* Corrections = nullptr;

    // Remplit et montre le tableau ; rien quand aucun diagramme n'est affiché.
    void Tableau();

private:
    void Dimensionne(int largeurGrille);

    const TTraceDiagramme& trace_;
};
