#pragma once
// Ce que partagent les dialogues d'échelles des diagrammes fréquentiels : lecture des champs
// avec message et focus, refus de ce que les diagrammes ne savent pas tracer, et textes
// rendus tels quels quand l'utilisateur annule (les tracés relisent ces champs à chaque dessin).
#include <QList>
#include <QString>
#include <QStringList>

#include "DialogueVerifie.h"
#include "numerique/Complexes.h"
#include "NomsComposants.h"

class QCheckBox;

// Texte signé des valeurs automatiques.
QString TexteAutomatique(Reel valeur, int chiffres);

// Fréquences déjà reconnues positives ou nulles et ordonnées : refuse le minimum nul, un
// maximum dont la décade supérieure sort de la précision étendue, et une plage qui, arrondie
// aux décades, n'en couvre aucune ou plus que le tracé n'a d'échantillons.
bool VerifieFrequencesTracables(QLineEdit* champMin, QLineEdit* champMax, Reel fmin, Reel fmax);
// Gains déjà ordonnés : refuse un écart qui ne laisse pas deux graduations distinctes, ou
// dont les bornes graduées ne sont plus finies.
bool VerifieGainsTracables(QLineEdit* champMin, Reel gmin, Reel gmax, bool grilleFine);
class TMemoireChamps {
public:
    void Retient(const QWidget* dialogue);
    void Restaure() const;

private:
    QList<QLineEdit*> champs_;
    QStringList textes_;
    QList<QCheckBox*> cases_;
    QList<bool> coches_;
};

// « Valider » ne ferme qu'après le contrôle PeutFermer ; toute autre fermeture rend les
// textes et cases que le dialogue avait en s'ouvrant.
class TDialogueEchelles : public TDialogueVerifie {
    Q_OBJECT
public:
    TDialogueEchelles(int largeur, int hauteur, const QString& titre, QWidget* parent);

    void done(int resultat) override;
    // Une nouvelle étude part des plages automatiques de sa fonction, pas de celles de la précédente.
    void PrendValeursAutomatiques() { RemplitValeursAutomatiques(); }

    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* evenement) override;
    // Sans focus imposé à l'ouverture, sauf dans le dialogue qui le demande.
    void Active() override {}

    QLabel* Entete(const QString& texte);
    // Libellé à gauche, champ en `xChamp`, unité éventuelle à sa droite.
    QLineEdit* Rangee(const QString& libelle, int y, int xChamp, const QString& unite = QString());
    QLineEdit* ChampTitre(int y, int largeur);
    QCheckBox* Case(const QString& texte, int x, int y);
    // « Valider » et « Annuler » à droite, plus bas le bouton des valeurs automatiques, qui
    // écrit les valeurs calculées pour la fonction de transfert ; rend ce dernier.
    QPushButton* AjouteBoutonsEchelles(int yValider, const QString& texteAutomatique, int yAutomatique);

private:
    TMemoireChamps memoire_;
};
