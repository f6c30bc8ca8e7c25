#pragma once
// Outils communs des tests des dialogues de l'échelon et de la rampe : dialogue montré sur
// l'analyse de 1/(p+1) sous le séparateur du paramètre, sortie d'un champ, textes hostiles.
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "AideDialogues.h"
#include "SaisiesHostilesEchelles.h"
#include "fenetres/ChampsReponses.h"
#include "trace/DocumentsDessin.h"
#include "trace/EchellesReponses.h"

template <class TDialogue>
class DialogueReponse : public testing::TestWithParam<char> {
protected:
    DialogueReponse() { MontreActif(dialogue_); }

    // Le focus passe du champ à un autre : sa vérification de sortie se fait.
    void Quitte(QLineEdit* champ, const QString& texte)
    {
        champ->setFocus(Qt::OtherFocusReason);
        champ->setText(texte);
        (champ == dialogue_.EditYmax ? dialogue_.EditTmax : dialogue_.EditYmax)->setFocus(Qt::TabFocusReason);
    }

    void Remplit(const std::vector<QLineEdit*>& champs, const QStringList& textes)
    {
        for (std::size_t i = 0; i < champs.size(); ++i)
            champs[i]->setText(textes[qsizetype(i)]);
    }

    // Validé, le dialogue est fermé et ses champs se tracent ; refusé, il reste ouvert avec
    // un message, le focus dans un de ses champs, chaque texte gardé (séparateur normalisé au plus).
    void EssaieHostiles(const std::vector<QLineEdit*>& champs, const QStringList& valides)
    {
        for (std::size_t k = 0; k < champs.size(); ++k)
            for (const QString& hostile : TextesHostilesEchelles()) {
                QStringList textes = valides;
                textes[qsizetype(k)] = hostile;
                const std::string cas = textes.join(" | ").toStdString();
                MontreActif(dialogue_);
                Remplit(champs, textes);
                messages_.Messages.clear();
                dialogue_.setResult(QDialog::Rejected);
                dialogue_.accept();
                if (dialogue_.result() == QDialog::Accepted) {
                    EXPECT_TRUE(messages_.Messages.isEmpty()) << cas;
                    const TParamReponse p = dialogue_.Parametres();
                    EXPECT_TRUE(EchellesReponse(p.TMax, p.YMin, p.YMax).has_value()) << cas;
                    continue;
                }
                EXPECT_TRUE(dialogue_.isVisible()) << cas;
                EXPECT_EQ(messages_.Messages.size(), 1) << cas;
                EXPECT_NE(std::find(champs.begin(), champs.end(), dialogue_.focusWidget()), champs.end()) << cas;
                for (std::size_t i = 0; i < champs.size(); ++i) {
                    const QString texte = champs[i]->text();
                    EXPECT_TRUE(texte == textes[qsizetype(i)] || texte == NormaliseSeparateur(textes[qsizetype(i)]))
                        << cas;
                }
                // Quitter le champ hostile ne plante pas et ne laisse « Valider » actif que
                // pour des échelles qui se tracent.
                Quitte(champs[k], hostile);
                if (dialogue_.BtnValider()->isEnabled()) {
                    const TParamReponse p = dialogue_.Parametres();
                    EXPECT_TRUE(EchellesReponse(p.TMax, p.YMin, p.YMax).has_value()) << cas;
                }
            }
    }

    // Chaînage des composants qui prennent le focus par tabulation, depuis le premier.
    std::vector<QWidget*> OrdreTabulation(QWidget* premier, std::size_t nombre) const
    {
        std::vector<QWidget*> ordre{premier};
        for (QWidget* w = premier->nextInFocusChain(); w != premier && ordre.size() < nombre;
             w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                ordre.push_back(w);
        return ordre;
    }

    SeparateurImpose separateur_{GetParam()};
    EnregistreurMessages messages_;
    TDocument document_ = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1}));
    TDialogue dialogue_{document_};
};
