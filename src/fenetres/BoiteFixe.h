#pragma once
// Boîte à bordure fixe, centrée sur l'écran à chaque affichage, et ce que ses contrôles ont
// en commun : police Times en pixels, sarcelle, labels à leur place, cadre biseauté.
#include <QColor>
#include <QDialog>

class QFrame;
class QLabel;

inline const QColor CouleurSarcelle(0, 128, 128);

QFont PoliceTimes(int pixels, bool italique);

class TBoiteFixe : public QDialog {
    Q_OBJECT
public:
    TBoiteFixe(int largeur, int hauteur, const QString& titre, QWidget* parent);

protected:
    // Label à la taille de son texte ; sans couleur donnée, celle du système.
    QLabel* AjouteLabel(const QString& texte, int x, int y, const QFont& police,
                        const QColor& couleur = QColor());
    QFrame* AjouteCadreBiseaute(const QRect& place);

    void showEvent(QShowEvent* evenement) override;
};
