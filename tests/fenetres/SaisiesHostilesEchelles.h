#pragma once
// Textes hostiles tapés dans chaque champ numérique d'un dialogue d'échelles : le dialogue
// refuse, avec au moins un message, le focus dans un de ses champs et le texte gardé, ou bien
// accepte une plage que le tracé sait dessiner (vérifiée par l'appelant).
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "fenetres/ChampsEchelles.h"
#include "AideDialogues.h"
#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"

// Remplit les champs dans l'ordre, efface les messages et clique OK.
inline void RemplitEtValide(TDialogueEchelles& dialogue, const std::vector<QLineEdit*>& champs,
                            const QStringList& textes, EnregistreurMessages& messages)
{
    for (std::size_t i = 0; i < champs.size(); ++i)
        champs[i]->setText(textes[qsizetype(i)]);
    messages.Messages.clear();
    dialogue.OKBtn->click();
}

// Un dialogue d'échelles montré sur un document, sous le séparateur décimal du paramètre ;
// la fixture dérivée range ses champs numériques dans `champs_`.
template <class TDialogue>
class DialogueEchelles : public testing::TestWithParam<char> {
protected:
    explicit DialogueEchelles(TDocument document = DocumentInitial()) : document_(std::move(document))
    {
        MontreActif(dialogue_);
    }

    void Valide(const QStringList& textes) { RemplitEtValide(dialogue_, champs_, textes, messages_); }

    // Saisie refusée : ces messages dans l'ordre, le focus sur ce champ, le dialogue ouvert.
    void AttendRefus(const QStringList& textes, const QStringList& messages, QLineEdit* focus)
    {
        Valide(textes);
        const std::string cas = textes.join(' ').toStdString();
        EXPECT_EQ(messages_.Messages, messages) << cas;
        EXPECT_EQ(dialogue_.focusWidget(), focus) << cas;
        EXPECT_TRUE(dialogue_.isVisible()) << cas;
    }

    SeparateurImpose separateur_{GetParam()};
    EnregistreurMessages messages_;
    TDocument document_;
    TDialogue dialogue_{document_};
    std::vector<QLineEdit*> champs_;
};

// Ceux de tous les champs, plus les extrêmes de la précision étendue et les étendues absurdes.
inline QStringList TextesHostilesEchelles()
{
    return TextesHostiles() + QStringList{"0",      "-0",      "-1",      "1e-4000", "-1e-4000", "1e-300",
                                          "1e300",  "-1e300",  "1e-12",   "1e4931",  "-1e4931",  "1e4932",
                                          "-1e4932", "1e-4950", "4e-4951", "1e30",   "1.0000000000000000002e30"};
}

struct TEssaiEchelles {
    TDialogueEchelles& Dialogue;
    std::vector<QLineEdit*> Champs;
    QStringList Valides;  // textes acceptés, un par champ
    // Saisie acceptée : la plage lue dans le dialogue doit se tracer.
    std::function<void(const std::string& cas)> VerifieAcceptee;
};

inline void EssaieTextes(const TEssaiEchelles& essai, EnregistreurMessages& messages, const QStringList& textes)
{
    const std::string cas = textes.join(" | ").toStdString();
    MontreActif(essai.Dialogue);
    essai.Dialogue.setResult(QDialog::Rejected);
    RemplitEtValide(essai.Dialogue, essai.Champs, textes, messages);
    if (essai.Dialogue.result() == QDialog::Accepted) {
        EXPECT_FALSE(essai.Dialogue.isVisible()) << cas;
        EXPECT_TRUE(messages.Messages.isEmpty()) << cas;
        essai.VerifieAcceptee(cas);
        return;
    }
    EXPECT_TRUE(essai.Dialogue.isVisible()) << cas;
    EXPECT_FALSE(messages.Messages.isEmpty()) << cas;
    EXPECT_NE(std::find(essai.Champs.begin(), essai.Champs.end(), essai.Dialogue.focusWidget()), essai.Champs.end())
        << cas;
    for (std::size_t i = 0; i < essai.Champs.size(); ++i)
        EXPECT_EQ(essai.Champs[i]->text(), NormaliseSeparateur(textes[qsizetype(i)])) << cas;
}

// Chaque texte hostile dans chaque champ, les autres gardant leur valeur valide, puis les
// couples donnés en entier (étendues énormes ou minuscules).
inline void EssaieTousLesChamps(const TEssaiEchelles& essai, EnregistreurMessages& messages,
                                const std::vector<QStringList>& couples)
{
    for (std::size_t k = 0; k < essai.Champs.size(); ++k)
        for (const QString& hostile : TextesHostilesEchelles()) {
            QStringList textes = essai.Valides;
            textes[qsizetype(k)] = hostile;
            EssaieTextes(essai, messages, textes);
        }
    for (const QStringList& textes : couples)
        EssaieTextes(essai, messages, textes);
}
