#include "Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
AfficheurMessages& Afficheur()
{
    static AfficheurMessages afficheur;
    return afficheur;
}

QuestionneurReponses& Questionneur()
{
    static QuestionneurReponses questionneur;
    return questionneur;
}

// Boutons ajoutés dans l'ordre de lecture, chacun avec son rôle : la boîte les range toujours de
// la même façon, quelle que soit la question.
TReponse BoiteQuestion(const QString& texte, bool avecAnnuler)
{
    QMessageBox boite(QMessageBox::Question, QApplication::applicationName(), texte, QMessageBox::NoButton,
                      QApplication::activeWindow());
    QPushButton* oui = boite.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* non = boite.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    QPushButton* annuler = avecAnnuler ? boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole) : nullptr;
    boite.setDefaultButton(oui);
    boite.setEscapeButton(annuler ? annuler : non);
    boite.exec();
    if (boite.clickedButton() == oui)
        return TReponse::Oui;
    if (boite.clickedButton() == non || !annuler)
        return TReponse::Non;
    return TReponse::Annuler;
}
}

void RemplaceAfficheurMessages(AfficheurMessages afficheur)
{
    Afficheur() = std::move(afficheur);
}

void AfficheMessage(const QString& texte)
{
    if (Afficheur()) {
        Afficheur()(texte);
        return;
    }
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), texte);
}

void RemplaceQuestionneur(QuestionneurReponses questionneur)
{
    Questionneur() = std::move(questionneur);
}

TReponse PoseQuestion(const QString& texte, bool avecAnnuler)
{
    if (Questionneur())
        return Questionneur()(texte, avecAnnuler);
    return BoiteQuestion(texte, avecAnnuler);
}
