#pragma once
// Choix des couleurs : le schéma des dessins modifié sur une copie de travail, avec un
// sélecteur rouge-vert-bleu dessiné par le programme. Seul « Accepter et Sortir » change le
// document ; la sélection et les composantes restent d'une ouverture à l'autre.
#include <QImage>

#include "DialogueVerifie.h"
#include "coeur/SchemaCouleurs.h"
#include "trace/TraceCouleurs.h"

class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
struct TDocument;

class TBoiteDialogueCouleurs : public TDialogueVerifie {
    Q_OBJECT
public:
    explicit TBoiteDialogueCouleurs(TDocument& document, QWidget* parent = nullptr);

    QListWidget* ListeElements = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* UneDefaut = nullptr;
    QPushButton* TouteDefaut = nullptr;
    QPushButton* OKCouleur = nullptr;
    QLineEdit* EditR = nullptr;
    QLineEdit* EditV = nullptr;
    QLineEdit* EditB = nullptr;
    QCheckBox* ImprCoul = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* BtnAccepter = nullptr;

    TSchemaCouleurs SchemaProvisoire;
    int ElementChoisi = 3;
    quint32 CouleurEnCours = 0;
    quint32 CouleurTemoin = 0;
    int ValeurR = 0;
    int ValeurV = 0;
    int ValeurB = 0;
    bool SuiviActif = true;

    const TGeometrieSelecteur& Geometrie() const { return geometrie_; }
    // Peintures qui ont touché la grille : le suivi de la souris n'en fait aucune.
    int TracesGrille() const { return tracesGrille_; }

    void ListeElementsClick(int rangee);
    void UneDefautClick();
    void TouteDefautClick();
    void OKCouleurClick();
    // Positions dans la surface du dialogue.
    void SourisDeplacee(QPoint position);
    void SourisEnfoncee(QPoint position, Qt::MouseButton bouton);
    void Molette(QPoint position, int delta);

    bool PeutFermer() override { return true; }
    // L'acceptation range la copie de travail et la case dans le document.
    void done(int resultat) override;

signals:
    // Schéma accepté : chaque fenêtre qui garde une couleur de fond la reprend.
    void CouleursAcceptees();

protected:
    void Active() override;
    void ChampQuitte(QLineEdit* champ) override;

    void paintEvent(QPaintEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void wheelEvent(QWheelEvent* evenement) override;

private:
    void CreeControles();
    void AfficheRVB();
    void LitRVB();
    // Témoin pris d'une couleur du schéma, décomposé dans les champs, grille et pointeur suivis.
    void RedessineSelecteur(quint32 couleur);
    void ChangeBleu(int bleu);
    void MontreCouleurEnCours(quint32 couleur);
    void MontreTemoin();
    int& ComposanteDe(QLineEdit* champ);

    TDocument& document_;
    TGeometrieSelecteur geometrie_;
    QImage grille_;
    int bleuGrille_ = -1;
    int tracesGrille_ = 0;
};
