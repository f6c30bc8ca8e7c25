#pragma once
// Tout message français passe par ici : boîte modale avec OK, ou enregistreur des tests.
// Les questions aussi : Oui, Non (et Annuler) toujours dans le même ordre.
#include <QString>
#include <functional>

void AfficheMessage(const QString& texte);

using AfficheurMessages = std::function<void(const QString&)>;
// Un afficheur vide rétablit la boîte de message.
void RemplaceAfficheurMessages(AfficheurMessages afficheur);

enum class TReponse { Oui, Non, Annuler };

// Annuler n'est proposé que sur demande ; fermer la boîte vaut Annuler, ou Non sans Annuler.
TReponse PoseQuestion(const QString& texte, bool avecAnnuler = false);

using QuestionneurReponses = std::function<TReponse(const QString& texte, bool avecAnnuler)>;
// Un questionneur vide rétablit la boîte de question.
void RemplaceQuestionneur(QuestionneurReponses questionneur);
