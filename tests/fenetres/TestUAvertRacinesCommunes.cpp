#include "fenetres/UAvertRacinesCommunes.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QApplication>
#include <QKeyEvent>

namespace {

QLabel* LabelDeTexte(const QWidget& fenetre, const QString& texte)
{
    for (QLabel* l : fenetre.findChildren<QLabel*>())
        if (l->text() == texte)
            return l;
    return nullptr;
}

TEST(UAvertRacinesCommunes, TextesPlacesEtPolice)
{
    TAvertissement1 avert;
    EXPECT_EQ(avert.windowTitle(), "Avertissement");
    EXPECT_EQ(avert.size(), QSize(434, 172));
    EXPECT_EQ(avert.minimumSize(), avert.maximumSize());

    const std::pair<QString, QPoint> attendus[] = {
        {"La racine", {32, 24}},
        {"est commune au numérateur et au dénominateur.", {32, 64}},
        {"La simplification a été effectuée", {32, 104}},
    };
    for (const auto& [texte, place] : attendus) {
        const QLabel* l = LabelDeTexte(avert, texte);
        ASSERT_NE(l, nullptr) << texte.toStdString();
        EXPECT_EQ(l->pos(), place) << texte.toStdString();
        EXPECT_EQ(l->font().family(), "Times New Roman");
        EXPECT_EQ(l->font().pixelSize(), 19);
        EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(0, 128, 128));
    }

    avert.DefinitRacine("-1 +2 j");
    EXPECT_EQ(avert.LabelRacine()->text(), "-1 +2 j");
    EXPECT_EQ(avert.LabelRacine()->pos(), QPoint(120, 24));
    EXPECT_EQ(avert.LabelRacine()->font().pixelSize(), 19);
    // Un long texte de racine s'affiche en entier.
    EXPECT_GE(avert.LabelRacine()->width(), avert.LabelRacine()->fontMetrics().horizontalAdvance("-1 +2 j"));
}

TEST(UAvertRacinesCommunes, LeBoutonParDefautFermeLaFenetre)
{
    TAvertissement1 avert;
    QPushButton* bouton = avert.BtnNote();
    EXPECT_EQ(bouton->text(), "C'est noté");
    EXPECT_EQ(bouton->geometry(), QRect(292, 105, 109, 32));
    EXPECT_TRUE(bouton->isDefault());

    avert.show();
    ASSERT_TRUE(avert.isVisible());
    bouton->click();
    EXPECT_FALSE(avert.isVisible());
    EXPECT_EQ(avert.result(), QDialog::Accepted);

    // Entrée valide aussi la fenêtre, montrée une fois par racine.
    avert.show();
    QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&avert, &entree);
    EXPECT_FALSE(avert.isVisible());
    EXPECT_EQ(avert.result(), QDialog::Accepted);
}

}  // namespace
