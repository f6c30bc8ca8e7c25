#include "fenetres/UAPropos.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <gtest/gtest.h>

#include "fenetres/Messages.h"

TEST(BoiteAPropos, DispositionEtTextes)
{
    TBoiteAPropos boite;
    EXPECT_EQ(boite.windowTitle(), "A propos");
    EXPECT_EQ(boite.size(), QSize(431, 212));
    EXPECT_EQ(boite.minimumSize(), boite.maximumSize());
    EXPECT_EQ(boite.Cadre->geometry(), QRect(24, 24, 281, 161));
    EXPECT_EQ(boite.Image1->geometry(), QRect(48, 40, 33, 33));
    EXPECT_FALSE(boite.Image1->pixmap().isNull());
    EXPECT_EQ(boite.Label1->text(), "Kovra");
    EXPECT_EQ(boite.Label1->pos(), QPoint(104, 32));
    EXPECT_EQ(boite.Label1->font().pixelSize(), 21);
    EXPECT_EQ(boite.Label2->pos(), QPoint(104, 64));
    EXPECT_EQ(boite.Label3->pos(), QPoint(192, 64));
    EXPECT_EQ(boite.Label4->pos(), QPoint(40, 104));
    EXPECT_EQ(boite.Label4->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(boite.Label2->palette().color(QPalette::WindowText), QColor(0, 128, 128));
    EXPECT_EQ(boite.BtnMail->geometry(), QRect(40, 136, 249, 25));
    EXPECT_EQ(boite.BtnMail->text(), AdresseContact);
    EXPECT_EQ(boite.BtnValider->text(), "Fermer");
    EXPECT_EQ(boite.BtnValider->geometry(), QRect(324, 24, 77, 161));
    EXPECT_TRUE(boite.BtnValider->isDefault());
    EXPECT_FALSE(boite.Label4->text().isEmpty());
}

TEST(BoiteAPropos, VersionEtDateRefaitesAChaqueAffichagePuisFermer)
{
    TBoiteAPropos boite;
    boite.Label2->setText("autre");
    boite.Label3->setText("autre");
    boite.show();
    EXPECT_EQ(boite.Label2->text(), "Version 1.8.0");
    EXPECT_EQ(boite.Label3->text(), "du 20/04/2005");
    EXPECT_EQ(boite.focusWidget(), boite.BtnValider);
    boite.BtnValider->click();
    EXPECT_FALSE(boite.isVisible());

    boite.Label2->setText("encore");
    boite.show();
    EXPECT_EQ(boite.Label2->text(), "Version 1.8.0");
    // Le libellé s'agrandit avec son texte, sans empiéter sur la date.
    EXPECT_GE(boite.Label2->width(), boite.Label2->fontMetrics().horizontalAdvance("Version 1.8.0"));
    EXPECT_LE(boite.Label2->pos().x() + boite.Label2->fontMetrics().horizontalAdvance("Version 1.8.0"),
              boite.Label3->pos().x());
    EXPECT_LE(boite.Label3->geometry().right(), boite.Cadre->geometry().right());
}

// Sans programme de courrier, l'adresse est donnée dans un message ; sinon rien ne s'affiche.
TEST(BoiteAPropos, CourrierImpossibleAnnonceAvecLAdresse)
{
    QStringList messages;
    RemplaceAfficheurMessages([&messages](const QString& texte) { messages << texte; });
    TBoiteAPropos boite;
    QList<QUrl> liens;
    for (bool ouvert : {true, false}) {
        boite.OuvreUrl = [&liens, ouvert](const QUrl& lien) {
            liens << lien;
            return ouvert;
        };
        boite.BtnMail->click();
    }
    RemplaceAfficheurMessages({});
    EXPECT_EQ(liens, QList<QUrl>(2, QUrl("mailto:contact@kovra.example")));
    EXPECT_EQ(messages,
              QStringList{"Aucun programme de courrier n'a pu être ouvert. Écrivez à contact@kovra.example"});
}
