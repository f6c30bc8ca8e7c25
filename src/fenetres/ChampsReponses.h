#pragma once
// Ce que partagent les dialogues de l'échelon et de la rampe : l'entrée en haut, les
// échelles en bas, deux drapeaux tenus à jour à la sortie des champs, et des champs que le
// tracé relit à chaque dessin (rendus tels qu'à l'ouverture quand l'utilisateur annule).
#include "ChampsEchelles.h"
#include "coeur/ValeursTemporelles.h"
#include "trace/ValeursAutomatiques.h"

class QGroupBox;
struct TDocument;

struct TTextesReponse {
    QString Titre;
    QString GroupeEntree;
    QString LibelleSecond;    // « Valeur finale » ou « Pente de la rampe »
    QString BulleSecond;
    QString BulleUnite;
    QString GroupeEchelles;
    QString ValeursAuto;      // bouton des valeurs automatiques de l'entrée
    QString ValiderValeurs;
    QString EchellesAuto;
    Reel TParamReponse::*Second;  // ce que le second champ donne au tracé
};

class TDialogueReponse : public TDialogueVerifie {
    Q_OBJECT
public:
    QLineEdit* EditConsI = nullptr;
    QLineEdit* EditNomUnite = nullptr;
    QLineEdit* EditTmax = nullptr;
    QLineEdit* EditYmin = nullptr;
    QLineEdit* EditYmax = nullptr;
    QPushButton* BtnConsAuto = nullptr;
    QPushButton* BtnEchAuto = nullptr;
    QPushButton* BtnValiderEch = nullptr;
    QPushButton* CancelBtn = nullptr;

    // Ce que le tracé lit dans les champs, à chaque dessin.
    TParamReponse Parametres() const;
    // Nouvelle étude : les échelles automatiques de la nouvelle fonction pour l'entrée tapée ; sans
    // réponse possible (fonction instable, entrée illisible), des champs vides plutôt que les
    // échelles d'une autre fonction.
    void PrendEchellesAutomatiques();
    void done(int resultat) override;

protected:
    TDialogueReponse(const TDocument& document, const TTextesReponse& textes, QWidget* parent);

    // Le second champ de l'entrée : niveau final ou pente.
    QLineEdit* EditSecond = nullptr;
    QPushButton* BtnValiderValeurs = nullptr;
    bool ParametresOK = false;
    bool EchellesOK = false;
    const TDocument& Document;

    // Contrôles silencieux des deux groupes, lancés à l'affichage et à la sortie d'un champ.
    virtual bool VerifieParametres() const = 0;
    // Les échelles automatiques pour l'entrée (u0, niveau final ou pente), champs déjà lus.
    virtual TTextesEchellesReponse EchellesAutomatiques(Reel u0, Reel second) const = 0;
    bool VerifieEchelles() const;
    // Valeur du champ, séparateur accepté sans toucher au texte.
    static bool Valeur(const QLineEdit* champ, Reel& valeur);
    void ActiveValider();
    // Échelles automatiques : t max à 4 chiffres, Y min et Y max à 3, ou plus s'il en faut
    // pour que les deux textes diffèrent ; puis le contrôle des échelles.
    void EcritEchelles(const TTextesEchellesReponse& textes);
    // Refus de ce que la grille ne sait pas graduer, avec son message et son focus.
    bool RefuseEchellesIntracables(Reel tmax, Reel ymin, Reel ymax);

    void Active() override;
    void ChampQuitte(QLineEdit* champ) override;
    void showEvent(QShowEvent* evenement) override;

private:
    QLineEdit* Rangee(const QString& libelle, int y, const QString& bulle);

    TMemoireChamps memoire_;
    Reel TParamReponse::*second_;
};
