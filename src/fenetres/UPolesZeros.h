#pragma once
// Fenêtre « Pôles et zéros » : la carte des racines, sa grille facultative, la lecture à la
// souris de la racine la plus proche (ζ et ωn) tirée du dessin gardé, l'impression et l'image.
#include <QMainWindow>

#include "CommandeImprimer.h"
#include "trace/TracePolesZeros.h"

class QAction;
class QLabel;
class QMenu;
class TMenuImage;

class TEcranPolesZeros : public QMainWindow {
    Q_OBJECT
public:
    // Ajoute sa commande au menu donné, après ce qu'il contient.
    TEcranPolesZeros(TDocument& document, QMenu& menu, const TOutilsImpression& impression, QWidget* parent);

    QAction* Commande = nullptr;  // « Pôles et zéros » du menu principal
    QWidget* ZoneClient = nullptr;
    QLabel* EditLecture = nullptr;
    QAction* Fermer1 = nullptr;
    QAction* Grille1 = nullptr;
    QAction* Imprimer1 = nullptr;
    TMenuImage* MenuImage = nullptr;
    TExecutionDialogue ExecuteDialogue;

    // Après chaque analyse : la carte existe pour toute fonction décomposée, stable ou non.
    void MetAJour(bool decomposee);
    void Affiche();
    const TDessinPolesZeros& Dessin() const { return dessin_; }
    // « Pôle -0,5 + j0,866 : ζ = 0,5 ; ωn = 1 rad/s », d'après le dernier dessin.
    QString TexteLecture(QPoint pixel) const;
    void Imprimer1Click();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    TParamPolesZeros Param() const;
    void Lit(QPoint pixel);

    TDocument& document_;
    TOutilsImpression impression_;
    TValeursImpression valeursImpression_;
    TDessinPolesZeros dessin_;
};
