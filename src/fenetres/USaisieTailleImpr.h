#pragma once
// Dialogue « Taille Impression » : dimensions du dessin sur le papier, marges, titre facultatif
// et impression en couleur. Créé une fois : ses champs et sa case durent toute la session.
#include <QStringList>
#include <array>
#include <functional>

#include "DialogueVerifie.h"
#include "trace/PageImprimee.h"

class QCheckBox;
struct TDocument;

class TTailleImpression : public TDialogueVerifie {
    Q_OBJECT
public:
    explicit TTailleImpression(TDocument& document, QWidget* parent = nullptr);

    bool PeutFermer() override;
    // Les valeurs des champs, relues pour l'impression ; la hauteur du dessin laisse 35 mm à la formule.
    TValeursImpression Valeurs() const;

    // Avant chaque ouverture : les dernières valeurs validées, ou celles par défaut du dessin montré.
    void Prepare();

    // « Config. impr. » : le dialogue de l'imprimante, remplaçable par les tests.
    std::function<void()> ConfigImpression;

    QLineEdit* Largeur = nullptr;
    QLineEdit* Hauteur = nullptr;
    QLineEdit* MargeGauche = nullptr;
    QLineEdit* MargeHaute = nullptr;
    QLineEdit* Titre = nullptr;
    QCheckBox* ImprCoul = nullptr;
    QPushButton* Defaut = nullptr;
    QPushButton* BtnConfigImpr = nullptr;

    void DefautClick();

protected:
    void Active() override;
    void RemplitValeursAutomatiques() override;

private:
    QLineEdit* AjouteLigne(const QString& libelle, int y);

    std::array<QLineEdit*, 4> Dimensions() const { return {Largeur, Hauteur, MargeGauche, MargeHaute}; }

    TDocument& document_;
    // Textes des quatre dimensions à la dernière validation ; vide avant la première.
    QStringList validees_;
};
