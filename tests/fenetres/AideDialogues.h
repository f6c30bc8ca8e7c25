#pragma once
// Outils communs des tests de dialogues : messages enregistrés, séparateur décimal choisi,
// dialogue montré sans exec() et rendu actif pour que le focus y circule.
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QStringList>
#include <gtest/gtest.h>

#include "SeparateurImpose.h"
#include "fenetres/Messages.h"
#include "numerique/Complexes.h"

class EnregistreurMessages {
public:
    EnregistreurMessages()
    {
        RemplaceAfficheurMessages([this](const QString& m) { Messages << m; });
    }
    ~EnregistreurMessages() { RemplaceAfficheurMessages({}); }
    EnregistreurMessages(const EnregistreurMessages&) = delete;
    EnregistreurMessages& operator=(const EnregistreurMessages&) = delete;

    QStringList Messages;
};

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
