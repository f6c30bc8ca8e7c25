#pragma once
// Outils communs des tests de dialogues : messages enregistrés, séparateur décimal choisi,
// dialogue montré sans exec() et rendu actif pour que le focus y circule.
#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QDialog>
#include <QKeyEvent>
#include <QStringList>
#include <gtest/gtest.h>

#include "SeparateurImpose.h"
#include "fenetres/Messages.h"
#include "numerique/Complexes.h"

// Hors d'un enregistreur, une question ferait attendre une boîte modale : elle fait échouer le
// test, et la réponse Non ne remplace ni ne perd rien.
inline QuestionneurReponses QuestionInattendue()
{
    return [](const QString& texte, bool) {
        ADD_FAILURE() << "question inattendue : " << texte.toStdString();
        return TReponse::Non;
    };
}

// Messages et questions notés ; les questions reçoivent les réponses prévues, dans l'ordre,
// puis Oui.
class EnregistreurMessages {
public:
    EnregistreurMessages()
    {
        RemplaceAfficheurMessages([this](const QString& m) { Messages << m; });
        RemplaceQuestionneur([this](const QString& q, bool avecAnnuler) {
            Questions << q;
            AvecAnnuler << avecAnnuler;
            return Reponses.isEmpty() ? TReponse::Oui : Reponses.takeFirst();
        });
    }
    ~EnregistreurMessages()
    {
        RemplaceAfficheurMessages({});
        RemplaceQuestionneur(QuestionInattendue());
    }
    EnregistreurMessages(const EnregistreurMessages&) = delete;
    EnregistreurMessages& operator=(const EnregistreurMessages&) = delete;

    QStringList Messages;
    QStringList Questions;
    QList<bool> AvecAnnuler;
    QList<TReponse> Reponses;
};

// Empreinte du contenu d'un fichier ; vide s'il n'existe pas.
inline QByteArray EmpreinteFichier(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// La question posée avant de remplacer ce fichier.
inline QString QuestionRemplacement(const QString& chemin)
{
    return QStringLiteral("Le fichier « %1 » existe déjà.\nVoulez-vous le remplacer ?").arg(chemin);
}

// Remplace '#' par le séparateur du noyau.
inline QString AvecSeparateur(QString texte)
{
    return texte.replace(u'#', QChar::fromLatin1(SeparateurDecimal()));
}

inline void MontreActif(QDialog& dialogue)
{
    dialogue.show();
    QApplication::setActiveWindow(&dialogue);
    QApplication::processEvents();
}

inline void AppuieEntree(QWidget* cible)
{
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(cible, &appui);
}

// Les textes qu'aucun champ numérique ne doit laisser passer sous forme non finie.
inline QStringList TextesHostiles()
{
    return {"", "   ", "abc", "1.2.3", "1,2,3", "1e99999", "-1e99999", "1e-99999", "inf", "nan",
            QString(1000, u'9'), "-" + QString(1000, u'9'), "0," + QString(1000, u'0') + "1",
            "1e" + QString(1000, u'9'), "0x1p3", "½", "1 000", "+-1", "1e", "--"};
}
