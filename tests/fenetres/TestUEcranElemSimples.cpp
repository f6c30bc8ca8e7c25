#include "fenetres/UEcranElemSimples.h"

#include <gtest/gtest.h>

#include "trace/DocumentsDessin.h"

namespace {

TEST(UEcranElemSimples, FenetreRedessineeDApresLeDocument)
{
    TDocument doc = DocumentAnalyse(PolynomeDeRacines(1, {}), PolynomeDeRacines(1, {{-1, 0}}));
    ChangeCouleur(doc, "ESFond", 255, 255, 200);
    ChangeCouleur(doc, "ESFormule", 200, 0, 0);
    TEcranElemSimples ecran(doc);
    EXPECT_EQ(ecran.windowTitle(), "Décomposition en éléments simples");
    EXPECT_FALSE(ecran.isVisible());

    ecran.Affiche();
    EXPECT_TRUE(ecran.isVisible());
    EXPECT_EQ(ecran.frameGeometry().size(), QSize(538, 438));
    QImage vue = ecran.grab().toImage();
    EXPECT_EQ(vue.pixelColor(vue.width() - 5, vue.height() - 5), QColor(255, 255, 200));
    EXPECT_GT(PixelsDeCouleur(vue, QRect(0, 80, 300, 50), QColor(200, 0, 0)), 0);

    // Un nouveau document se voit au prochain affichage, sans recréer la fenêtre.
    ChangeCouleur(doc, "ESFond", 220, 220, 255);
    ecran.Affiche();
    vue = ecran.grab().toImage();
    EXPECT_EQ(vue.pixelColor(vue.width() - 5, vue.height() - 5), QColor(220, 220, 255));
}

}  // namespace
