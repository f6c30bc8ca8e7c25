#include "UChoixDephasage.h"

#include <QRadioButton>

#include "coeur/Document.h"
#include "NomsComposants.h"

TChoixDephasagesBlack::TChoixDephasagesBlack(TDocument& document, QWidget* parent)
    : TDialogueVerifie(400, 176, QStringLiteral("Plage des déphasages"), parent), document_(document)
{
    QFont italique = font();
    italique.setItalic(true);
    AjouteLabel(QStringLiteral("Les diagrammes de Bode et Black peuvent être affichés"), 24, 16, italique,
                CouleurSarcelle);
    AjouteLabel(QStringLiteral("avec des déphasages compris entre:"), 24, 36, italique, CouleurSarcelle);
    Radio1 = new QRadioButton(QStringLiteral("-180° et +180°"), this);
    Radio1->move(48, 72);
    Radio1->adjustSize();
    Radio2 = new QRadioButton(QStringLiteral("-360° et 0"), this);
    Radio2->move(48, 100);
    Radio2->adjustSize();

    AjouteBoutons({.Valider = QRect(288, 136, 97, 25), .Annuler = QRect(184, 136, 97, 25)});
    NommeComposants(this, QStringLiteral("ChoixDephasagesBlack"), {{Radio1, "Radio1"}, {Radio2, "Radio2"}});
}

void TChoixDephasagesBlack::done(int resultat)
{
    if (resultat == Accepted)
        document_.PhaseSymetrique = Radio1->isChecked();
    TDialogueVerifie::done(resultat);
}

void TChoixDephasagesBlack::Active()
{
    Radio1->setChecked(document_.PhaseSymetrique);
    Radio2->setChecked(!document_.PhaseSymetrique);
}
