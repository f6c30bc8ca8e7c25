#include "UChoixDephasage.h"

#include <QRadioButton>

#include "coeur/Document.h"
#include "NomsComposants.h"

TChoixDephasagesBlack::TChoixDephasagesBlack(TDocument& document, QWidget* parent)
    : TDialogueVerifie(400, 204, QStringLiteral("Plage des déphasages"), parent), document_(document)
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
    Radio3 = new QRadioButton(QStringLiteral("continue"), this);
    Radio3->move(48, 128);
    Radio3->adjustSize();

    AjouteBoutons({.Valider = QRect(288, 164, 97, 25), .Annuler = QRect(184, 164, 97, 25)});
    NommeComposants(this, QStringLiteral("ChoixDephasagesBlack"),
                    {{Radio1, "Radio1"}, {Radio2, "Radio2"}, {Radio3, "Radio3"}});
}

void TChoixDephasagesBlack::done(int resultat)
{
    if (resultat == Accepted) {
        document_.PhaseSymetrique = Radio1->isChecked();
        document_.PhaseContinue = Radio3->isChecked();
    }
    TDialogueVerifie::done(resultat);
}

void TChoixDephasagesBlack::Active()
{
    Radio1->setChecked(document_.PhaseSymetrique && !document_.PhaseContinue);
    Radio2->setChecked(!document_.PhaseSymetrique && !document_.PhaseContinue);
    Radio3->setChecked(document_.PhaseContinue);
}
