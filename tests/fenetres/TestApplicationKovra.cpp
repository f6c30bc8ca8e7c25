// Une exception levée par un gestionnaire d'événement devient un message français ; la boucle
// d'événements continue et livre les événements suivants.
#include "fenetres/ApplicationKovra.h"

#include <QKeyEvent>
#include <QWidget>
#include <stdexcept>

#include "AideDialogues.h"

namespace {

const QString Entete = "Erreur : l'opération en cours est interrompue.";

// Lève à chaque touche selon ce qu'on lui demande ; compte les événements utilisateur reçus.
class TWidgetQuiLeve : public QWidget {
public:
    enum class TErreur { Aucune, Standard, Autre };
    TErreur Erreur = TErreur::Standard;
    int EvenementsRecus = 0;

protected:
    void keyPressEvent(QKeyEvent* evenement) override
    {
        if (Erreur == TErreur::Standard)
            throw std::out_of_range("indice 2001 hors des points");
        if (Erreur == TErreur::Autre)
            throw 7;
        evenement->accept();
    }
    bool event(QEvent* evenement) override
    {
        if (evenement->type() == QEvent::User)
            ++EvenementsRecus;
        return QWidget::event(evenement);
    }
};

// L'application des tests est celle du programme (main_qt.cpp).
class ApplicationKovra : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dynamic_cast<TApplicationKovra*>(QCoreApplication::instance())); }

    static QKeyEvent* Touche() { return new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier); }

    EnregistreurMessages messages_;
    TWidgetQuiLeve widget_;
};

TEST_F(ApplicationKovra, ExceptionStandardMontreeAvecSonTexte)
{
    QKeyEvent touche(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    EXPECT_FALSE(QApplication::sendEvent(&widget_, &touche));
    EXPECT_EQ(messages_.Messages, QStringList{Entete + "\nindice 2001 hors des points"});
}

TEST_F(ApplicationKovra, AutreExceptionMontreeSansTexte)
{
    widget_.Erreur = TWidgetQuiLeve::TErreur::Autre;
    QKeyEvent touche(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(&widget_, &touche);
    EXPECT_EQ(messages_.Messages, QStringList{Entete});
}

TEST_F(ApplicationKovra, LaBoucleContinueApresLErreur)
{
    QCoreApplication::postEvent(&widget_, Touche());
    QCoreApplication::postEvent(&widget_, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&widget_, Touche());
    QCoreApplication::postEvent(&widget_, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    EXPECT_EQ(messages_.Messages.size(), 2);
    EXPECT_EQ(widget_.EvenementsRecus, 2);
}

TEST_F(ApplicationKovra, SansErreurRienNeChange)
{
    widget_.Erreur = TWidgetQuiLeve::TErreur::Aucune;
    QKeyEvent touche(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    EXPECT_TRUE(QApplication::sendEvent(&widget_, &touche));
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

} // namespace
