#pragma once
// Boîte à outils des dialogues, un fichier par idée :
//   BoiteFixe.h        boîte à bordure fixe centrée, labels, police Times, cadre biseauté ;
//   DialogueVerifie.h  (ici) dialogue qui vérifie ses champs, ses boutons, le refus d'une saisie ;
//   NomsComposants.h   noms d'objet des fenêtres et de leurs composants ;
//   DialogueRattache.h dialogue modal ouvert depuis une autre fenêtre que son parent ;
//   Messages.h         AfficheMessage, seule voie des messages (enregistreur dans les tests) ;
//   ApplicationKovra.h une exception dans un gestionnaire d'événement devient un message.
//
// Dialogue modal à taille fixe qui vérifie ses champs : à la sortie d'un champ, et avant de
// se fermer par sa validation. L'annulation et la case de fermeture ferment toujours.
#include <QRect>
#include <QString>

#include "BoiteFixe.h"
#include "numerique/Complexes.h"

class QLineEdit;
class QPushButton;
class QWidget;

// Refus d'une saisie : son message, puis le focus au champ fautif. Rend toujours faux, pour
// que PeutFermer le rende à son tour et que le dialogue reste ouvert.
bool Refuse(QWidget* champ, const QString& message);

// Le texte passe par NormaliseSeparateur et revient dans le champ avant d'être lu ; un texte
// qui n'est pas un nombre est refusé avec son message.
bool LitChampOuRefuse(QLineEdit* champ, const QString& message, Reel& valeur);
// Valeur d'un champ que le contrôle de fermeture a déjà lu ; 0 s'il ne se lit pas.
Reel ValeurChamp(const QLineEdit* champ);

// Places des boutons d'un dialogue ; sans texte, pas de bouton des valeurs automatiques.
struct TPlacesBoutons {
    QRect Valider{};
    QRect Annuler{};
    QString TexteAutomatique{};
    QRect Automatique{};
};

struct TBoutonsDialogue {
    QPushButton* Valider = nullptr;
    QPushButton* Annuler = nullptr;
    QPushButton* Automatique = nullptr;
};

class TDialogueVerifie : public TBoiteFixe {
    Q_OBJECT
public:
    TDialogueVerifie(int largeur, int hauteur, const QString& titre, QWidget* parent);

    // Contrôle de fermeture : faux garde le dialogue ouvert, après son message.
    virtual bool PeutFermer() = 0;
    void done(int resultat) override;

    QPushButton* BtnAnnuler() const { return boutons_.Annuler; }
    QPushButton* BtnValider() const { return boutons_.Valider; }

protected:
    // Champ dont la sortie déclenche ChampQuitte.
    void SurveilleSortie(QLineEdit* champ);
    virtual void ChampQuitte(QLineEdit* champ);
    // À chaque présentation : titres selon le document, focus initial.
    virtual void Active() = 0;
    // Ce que le bouton des valeurs automatiques écrit dans les champs.
    virtual void RemplitValeursAutomatiques();

    QLineEdit* AjouteChamp(int x, int y, int largeur, int hauteur);
    // Un clic ne prend pas le focus au champ en cours : Annuler et RAZ ne déclenchent pas
    // sa vérification, Valider la fait une seule fois, par le contrôle de fermeture.
    QPushButton* AjouteBouton(const QString& texte, int x, int y, int largeur, int hauteur);
    // « Valider », bouton par défaut, passe par PeutFermer ; « Annuler » ferme toujours ;
    // le bouton des valeurs automatiques les écrit puis rend le focus à « Valider ».
    // Noms d'objet : BtnValider et BtnAnnuler, que le dialogue peut renommer.
    TBoutonsDialogue AjouteBoutons(const TPlacesBoutons& places);

    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    // Pendant une vérification, les déplacements de focus qu'elle provoque ne relancent rien.
    bool verificationEnCours_ = false;
    TBoutonsDialogue boutons_;
};
