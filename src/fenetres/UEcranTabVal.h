#pragma once
// Tableau des valeurs échantillonnées du diagramme à l'écran, telles que le dernier tracé
// les a rangées dans le document : rien n'est recalculé.
#include <QWidget>

class QTableWidget;
struct TDocument;

class TEcranTabVal : public QWidget {
    Q_OBJECT
public:
    explicit TEcranTabVal(const TDocument& document, QWidget* parent = nullptr);

    QTableWidget* TabVal = nullptr;

    // Remplit et montre le tableau ; rien quand aucun diagramme n'est affiché.
    void Tableau();

private:
    const TDocument& document_;
};
