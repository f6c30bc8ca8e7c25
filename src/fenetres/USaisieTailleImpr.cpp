#include "USaisieTailleImpr.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "NomsComposants.h"
#include "TexteDeChamp.h"
#include "coeur/Document.h"
#include "coeur/TextesValeurs.h"

TTailleImpression::TTailleImpression(TDocument& document, QWidget* parent)
    : TDialogueVerifie(460, 360, QStringLiteral("Taille Impression"), parent), document_(document)
{
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    AjouteCadreBiseaute(QRect(24, 24, 297, 305));
    AjouteLabel(QStringLiteral("Dimensions du dessin"), 72, 40, PoliceTimes(21, true), CouleurSarcelle);
    Largeur = AjouteLigne(QStringLiteral("Largeur sur le papier"), 88);
    Hauteur = AjouteLigne(QStringLiteral("Hauteur sur le papier"), 128);
    MargeGauche = AjouteLigne(QStringLiteral("Marge Gauche"), 168);
    MargeHaute = AjouteLigne(QStringLiteral("Marge Haute"), 208);
    AjouteLabel(QStringLiteral("Titre"), 40, 233, font());
    Titre = AjouteChamp(40, 248, 257, 21);
    Titre->setToolTip(QStringLiteral("facultatif"));

    const TBoutonsDialogue boutons =
        AjouteBoutons({.Valider = QRect(344, 300, 89, 25), .Annuler = QRect(343, 260, 90, 25),
                       .TexteAutomatique = QStringLiteral("Val. par Defaut"), .Automatique = QRect(40, 292, 89, 25)});
    Defaut = boutons.Automatique;
    Defaut->setToolTip(QStringLiteral("valeurs pour format A4"));
    ImprCoul = new QCheckBox(QStringLiteral("Impression en couleur"), this);
    ImprCoul->setGeometry(152, 296, 145, 17);
    ImprCoul->setLayoutDirection(Qt::RightToLeft);
    ImprCoul->setChecked(document_.ImpressionCouleur);
    BtnConfigImpr = AjouteBouton(QStringLiteral("Config. impr."), 344, 24, 89, 25);
    connect(BtnConfigImpr, &QPushButton::clicked, this, [this] {
        if (ConfigImpression)
            ConfigImpression();
    });
    NommeComposants(this, QStringLiteral("TailleImpression"),
                    {{Largeur, "Largeur"}, {Hauteur, "Hauteur"}, {MargeGauche, "MargeGauche"},
                     {MargeHaute, "MargeHaute"}, {Titre, "Titre"}, {Defaut, "Defaut"}, {ImprCoul, "ImprCoul"},
                     {BtnConfigImpr, "BtnConfigImpr"}, {BtnAnnuler(), "CancelBtn"}, {BtnValider(), "OKBtn"}});
}

QLineEdit* TTailleImpression::AjouteLigne(const QString& libelle, int y)
{
    AjouteLabel(libelle, 40, y + 3, font());
    AjouteLabel(QStringLiteral("mm"), 272, y + 3, font());
    return AjouteChamp(200, y, 65, 21);
}

void TTailleImpression::Active()
{
    Largeur->setFocus();
    SelectionneDepuisLeDebut(*Largeur);
}

void TTailleImpression::RemplitValeursAutomatiques()
{
    DefautClick();
}

// Le dernier diagramme ou la dernière réponse montrés décident, d'où que vienne le dialogue.
void TTailleImpression::DefautClick()
{
    const TValeursImpression v = ValeursParDefaut(document_.TypeDiagramme, document_.TypeReponse);
    Largeur->setText(TexteGeneral(v.Largeur, ChiffresRelisibles));
    MargeGauche->setText(TexteGeneral(v.MargeGauche, ChiffresRelisibles));
    Hauteur->setText(TexteGeneral(v.Hauteur + HauteurFormule, ChiffresRelisibles));
    MargeHaute->setText(TexteGeneral(v.MargeHaute, ChiffresRelisibles));
}

// La case est prise dès la validation, même si une taille est ensuite refusée.
bool TTailleImpression::PeutFermer()
{
    document_.ImpressionCouleur = ImprCoul->isChecked();
    Reel largeur = 0;
    Reel hauteur = 0;
    Reel gauche = 0;
    Reel haute = 0;
    if (!LitChampOuRefuse(Largeur, QStringLiteral("Largeur mal saisie"), largeur)
        || !LitChampOuRefuse(Hauteur, QStringLiteral("Hauteur mal saisie"), hauteur)
        || !LitChampOuRefuse(MargeGauche, QStringLiteral("Marge Gauche mal saisie"), gauche)
        || !LitChampOuRefuse(MargeHaute, QStringLiteral("Marge Haute mal saisie"), haute))
        return false;
    if (largeur + gauche < 50 || largeur + gauche > 200)
        return Refuse(Largeur, QStringLiteral("Largeur trop petite ou trop grande"));
    if (hauteur + haute < 40 || hauteur + haute > 290)
        return Refuse(Hauteur, QStringLiteral("Hauteur trop petite ou trop grande"));
    validees_.clear();
    for (const QLineEdit* champ : Dimensions())
        validees_ << champ->text();
    return true;
}

// Des champs vides ou laissés faux par une annulation ne reviennent pas à l'ouverture suivante ;
// la case suit le document, qu'un fichier lu a pu changer depuis.
void TTailleImpression::Prepare()
{
    ImprCoul->setChecked(document_.ImpressionCouleur);
    if (validees_.isEmpty()) {
        DefautClick();
        return;
    }
    for (std::size_t i = 0; i < Dimensions().size(); ++i)
        Dimensions()[i]->setText(validees_[qsizetype(i)]);
}

TValeursImpression TTailleImpression::Valeurs() const
{
    TValeursImpression v;
    v.Largeur = ValeurChamp(Largeur);
    v.Hauteur = ValeurChamp(Hauteur) - HauteurFormule;
    v.MargeGauche = ValeurChamp(MargeGauche);
    v.MargeHaute = ValeurChamp(MargeHaute);
    v.Titre = Titre->text();
    return v;
}
