// Fenêtre « Pôles et zéros » : commande du menu, lecture à la souris d'après le dessin gardé.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMouseEvent>
#include <QLabel>
#include <QApplication>

#include "coeur/TextesValeurs.h"
#include "PolynomesSaisis.h"
#include "coeur/Analyse.h"
#include "fenetres/UPolesZeros.h"

namespace {

TDocument Instable()
{
    // (p + 1)/((p - 1)(p² + p + 1)) : un pôle à droite, une paire ζ = 0,5, ωn = 1.
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeDeCoefs({1, 1});
    doc.Systeme.Denominateur = PolynomeDeCoefs({-1, 0, 0, 1});
    AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    return doc;
}

TEST(EcranPolesZeros, CommandePourUnSystemeInstableEtLecture)
{
    TDocument doc = Instable();
    ASSERT_FALSE(doc.Systeme.SystemeStable);
    QMenu menu;
    TEcranPolesZeros fenetre(doc, menu, {}, nullptr);
    ASSERT_EQ(menu.actions().size(), 1);
    EXPECT_EQ(menu.actions()[0]->text(), QStringLiteral("Pôles et zéros"));
    EXPECT_FALSE(fenetre.Commande->isEnabled());
    fenetre.MetAJour(true);
    EXPECT_TRUE(fenetre.Commande->isEnabled());
    fenetre.Commande->trigger();
    fenetre.resize(800, 600);
    fenetre.ZoneClient->grab();
    const TDessinPolesZeros& d = fenetre.Dessin();
    ASSERT_TRUE(d.Trace);
    ASSERT_EQ(d.Racines.size(), 4u);
    for (const TRacineDessinee& x : d.Racines) {
        if (!x.Pole || x.Valeur.Im <= 0)
            continue;
        const QString texte = fenetre.TexteLecture(x.Pixel + QPoint(3, 3));
        EXPECT_TRUE(texte.startsWith(QStringLiteral("Pôle "))) << texte.toStdString();
        EXPECT_TRUE(texte.contains(QStringLiteral("ζ = +0") + QChar(SeparateurDecimal()) + QStringLiteral("5 ;")))
            << texte.toStdString();
        EXPECT_TRUE(texte.contains(QStringLiteral("ωn = +1 rad/s"))) << texte.toStdString();
        // La souris qui passe affiche la même lecture.
        QMouseEvent bouge(QEvent::MouseMove, QPointF(x.Pixel + QPoint(3, 3)), QPointF(x.Pixel + QPoint(3, 3)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(fenetre.ZoneClient, &bouge);
        EXPECT_EQ(fenetre.EditLecture->text(), texte);
    }
    const auto droite = std::find_if(d.Racines.begin(), d.Racines.end(), [](const TRacineDessinee& x) { return x.Valeur.Re > 0; });
    ASSERT_NE(droite, d.Racines.end());
    EXPECT_TRUE(fenetre.TexteLecture(droite->Pixel).contains(QStringLiteral("ζ = -1")));
    fenetre.MetAJour(false);
    EXPECT_FALSE(fenetre.Commande->isEnabled());
    EXPECT_FALSE(fenetre.isVisible());
}

}  // namespace
