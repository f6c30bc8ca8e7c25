#pragma once
// Fenêtre de la décomposition en éléments simples : redessinée entière à chaque affichage.
#include <QWidget>

struct TDocument;

class TEcranElemSimples : public QWidget {
    Q_OBJECT
public:
    explicit TEcranElemSimples(const TDocument& doc, QWidget* parent = nullptr);

    // Montre la fenêtre au premier plan et la redessine d'après le document.
    void Affiche();

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    const TDocument& doc_;
    bool tailleExterieureFixee_ = false;
};
