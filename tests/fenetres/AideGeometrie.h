#pragma once
// Fenêtre rendue à sa taille normale : lisible, au centre, avec de la place au-dessus pour la
// barre de titre que le gestionnaire de fenêtres ajoute (hors écran, aucun cadre ne la montre).
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

inline void AttendGeometrieNormale(QWidget& fenetre)
{
    fenetre.showNormal();
    EXPECT_FALSE(fenetre.windowState() & Qt::WindowMaximized);
    const QRect zoneUtile = fenetre.screen()->availableGeometry();
    EXPECT_TRUE(zoneUtile.contains(fenetre.frameGeometry()));
    EXPECT_GE(fenetre.geometry().top() - zoneUtile.top(), 40);
    EXPECT_GE(fenetre.width(), zoneUtile.width() / 2);
    EXPECT_GE(fenetre.height(), zoneUtile.height() / 2);
    EXPECT_LE((fenetre.geometry().center() - zoneUtile.center()).manhattanLength(), 2);
}
