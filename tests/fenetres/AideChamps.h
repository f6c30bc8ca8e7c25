#pragma once
// Un champ de saisie montré depuis le début de son texte.
#include <QLineEdit>
#include <gtest/gtest.h>

// La peinture fixe le défilement du champ : après elle, le curseur en tête doit être au bord
// gauche, là où s'écrit le signe.
inline void AttendDebutVisible(QLineEdit& champ)
{
    ASSERT_GT(champ.fontMetrics().horizontalAdvance(champ.text()), champ.width()) << "texte trop court pour défiler";
    champ.grab();
    EXPECT_EQ(champ.cursorPosition(), 0) << champ.text().toStdString();
    const QRectF curseur = champ.inputMethodQuery(Qt::ImCursorRectangle).toRectF();
    EXPECT_LT(curseur.left(), champ.width() / 4) << champ.text().toStdString();
}
