#pragma once
// Dialogue modal à taille fixe qui vérifie ses champs : à la sortie d'un champ, et avant de
// se fermer par sa validation. L'annulation et la case de fermeture ferment toujours.
#include "BoiteFixe.h"

class QLineEdit;
class QPushButton;

class TDialogueVerifie : public TBoiteFixe {
    Q_OBJECT
public:
    TDialogueVerifie(int largeur, int hauteur, const QString& titre, QWidget* parent);

    // Contrôle de fermeture : faux garde le dialogue ouvert, après son message.
    virtual bool PeutFermer() = 0;
    void done(int resultat) override;

    QPushButton* BtnAnnuler() const { return btnAnnuler_; }
    QPushButton* BtnValider() const { return btnValider_; }

protected:
    // Champ dont la sortie déclenche ChampQuitte.
    void SurveilleSortie(QLineEdit* champ);
    virtual void ChampQuitte(QLineEdit* champ);
    // À chaque présentation : titres selon le document, focus initial.
    virtual void Active() = 0;

    // Refus d'une saisie : son message, puis le focus au champ fautif ; rend toujours faux.
    bool Refuse(QLineEdit* champ, const QString& message);

    QLineEdit* AjouteChamp(int x, int y, int largeur, int hauteur);
    // Un clic ne prend pas le focus au champ en cours : Annuler et RAZ ne déclenchent pas
    // sa vérification, Valider la fait une seule fois, par le contrôle de fermeture.
    QPushButton* AjouteBouton(const QString& texte, int x, int y, int largeur, int hauteur);
    // « Annuler » ferme toujours ; « Valider », bouton par défaut, passe par PeutFermer.
    void AjouteAnnulerValider(const QRect& annuler, const QRect& valider);

    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    // Pendant une vérification, les déplacements de focus qu'elle provoque ne relancent rien.
    bool verificationEnCours_ = false;
    QPushButton* btnAnnuler_ = nullptr;
    QPushButton* btnValider_ = nullptr;
};
