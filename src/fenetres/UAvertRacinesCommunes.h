#pragma once
// Fenêtre d'avertissement : une racine commune à N et D vient d'être simplifiée.
#include "BoiteFixe.h"

class QLabel;
class QPushButton;

class TAvertissement1 : public TBoiteFixe {
    Q_OBJECT
public:
    explicit TAvertissement1(QWidget* parent = nullptr);

    // Texte de la racine simplifiée, déjà mis en forme par le cœur.
    void DefinitRacine(const QString& texteRacine);

    QLabel* LabelRacine() const { return labelRacine_; }
    QPushButton* BtnNote() const { return btnNote_; }

private:
    QLabel* labelRacine_ = nullptr;
    QPushButton* btnNote_ = nullptr;
};
