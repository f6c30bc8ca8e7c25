// Choix des couleurs : sélection et couleur actuelle, suivi de la souris, bande, molette,
// champs, copie de travail qu'annuler jette et qu'accepter range dans le document.
#include "fenetres/UDialCouleurs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QWheelEvent>

#include "AffichageQt.h"
#include "AideDialogues.h"
#include "coeur/Document.h"
#include "trace/CouleurQt.h"

namespace {

class DialogueCouleurs : public testing::Test {
protected:
    void SetUp() override { MontreActif(dialogue); }

    QPoint Grille(int v, int r) const { return dialogue.Geometrie().Grille + QPoint(v, r); }
    QPoint Bande(int ligne) const { return dialogue.Geometrie().Bande.topLeft() + QPoint(10, ligne); }

    QStringList Champs() const
    {
        return {dialogue.EditR->text(), dialogue.EditV->text(), dialogue.EditB->text()};
    }

    // Vrai mouvement de souris, sans bouton, comme sous le pointeur.
    void Deplace(QPoint p)
    {
        QMouseEvent evenement(QEvent::MouseMove, p, dialogue.mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&dialogue, &evenement);
    }

    void Clique(QPoint p, Qt::MouseButton bouton)
    {
        QMouseEvent evenement(QEvent::MouseButtonPress, p, dialogue.mapToGlobal(p), bouton, bouton, Qt::NoModifier);
        QApplication::sendEvent(&dialogue, &evenement);
    }

    void Molette(QPoint p, int delta)
    {
        QWheelEvent evenement(p, dialogue.mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
        QApplication::sendEvent(&dialogue, &evenement);
        EXPECT_TRUE(evenement.isAccepted());
    }

    // Texte tapé dans le champ, puis le focus ailleurs.
    void Tape(QLineEdit* champ, const QString& texte)
    {
        champ->setFocus();
        champ->setText(texte);
        (champ == dialogue.EditR ? dialogue.EditV : dialogue.EditR)->setFocus();
    }

    QColor PixelDe(const QRect& boite) { return dialogue.grab().toImage().pixelColor(boite.center()); }

    TDocument doc = DocumentInitial();
    TBoiteDialogueCouleurs dialogue{doc};
};

TEST_F(DialogueCouleurs, PremiereOuverture)
{
    EXPECT_EQ(dialogue.windowTitle(), "Choix des couleurs");
    EXPECT_EQ(dialogue.size(), QSize(898, 580));
    ASSERT_EQ(dialogue.ListeElements->count(), NbElementsCouleur);
    for (int i = 0; i < NbElementsCouleur; ++i)
        EXPECT_EQ(dialogue.ListeElements->item(i)->text(), SchemaDefaut()[i].Libelle);
    EXPECT_EQ(dialogue.ListeElements->currentItem()->text(), "Ecran principal: Cadre des formules");
    EXPECT_EQ(dialogue.ElementChoisi, 3);
    EXPECT_EQ(dialogue.CouleurEnCours, 0xFF0000u);
    EXPECT_EQ(dialogue.CouleurTemoin, 0xFF0000u);
    EXPECT_EQ(PixelDe(dialogue.Geometrie().CouleurEnCours), QColor(0, 0, 255));
    EXPECT_EQ(PixelDe(dialogue.Geometrie().Temoin), QColor(0, 0, 255));
    EXPECT_EQ(Champs(), QStringList({"0", "0", "0"}));
    EXPECT_TRUE(dialogue.SuiviActif);
    // La géométrie suit les contrôles réellement placés.
    EXPECT_EQ(dialogue.Geometrie().Grille, QPoint(dialogue.Label3->x(), 59));
    EXPECT_EQ(dialogue.Geometrie().Temoin.left(), dialogue.EditR->geometry().right() + 1 + 20);
}

TEST_F(DialogueCouleurs, LaSourisSurLaGrilleChoisitSansClicEtSansRetracerLaGrille)
{
    Deplace(Grille(10, 20));
    EXPECT_EQ(dialogue.ValeurR, 20);
    EXPECT_EQ(dialogue.ValeurV, 10);
    EXPECT_EQ(CouleurQt(dialogue.CouleurTemoin).name(), "#140a00");
    EXPECT_EQ(Champs(), QStringList({"20", "10", "0"}));
    EXPECT_EQ(dialogue.cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(PixelDe(dialogue.Geometrie().Temoin), QColor(20, 10, 0));
    EXPECT_EQ(dialogue.CouleurEnCours, 0xFF0000u);
    QApplication::processEvents();
    const int traces = dialogue.TracesGrille();

    // Clic droit : le témoin reste, la souris peut partir par la grille.
    Clique(Grille(10, 20), Qt::RightButton);
    Deplace(Grille(200, 100));
    EXPECT_EQ(dialogue.CouleurTemoin, ComposeRVB(20, 10, 0));
    EXPECT_EQ(dialogue.cursor().shape(), Qt::ArrowCursor);
    // Clic gauche dans la grille : le suivi reprend.
    Clique(Grille(200, 100), Qt::LeftButton);
    Deplace(Grille(255, 255));
    EXPECT_EQ(dialogue.CouleurTemoin, ComposeRVB(255, 255, 0));
    QApplication::processEvents();
    EXPECT_EQ(dialogue.TracesGrille(), traces);
    Deplace(Grille(256, 255));
    EXPECT_EQ(dialogue.CouleurTemoin, ComposeRVB(255, 255, 0));
    EXPECT_EQ(dialogue.cursor().shape(), Qt::ArrowCursor);
    QApplication::processEvents();
    EXPECT_EQ(dialogue.TracesGrille(), traces);
    // Un autre bleu, lui, la retrace.
    Clique(Bande(7), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_GT(dialogue.TracesGrille(), traces);
}

TEST_F(DialogueCouleurs, BandeEtMolette)
{
    Deplace(Grille(10, 20));
    Clique(Bande(255), Qt::LeftButton);
    EXPECT_EQ(dialogue.ValeurB, 255);
    EXPECT_EQ(dialogue.EditB->text(), "255");
    EXPECT_EQ(dialogue.CouleurTemoin, ComposeRVB(20, 10, 255));
    const QImage image = dialogue.grab().toImage();
    EXPECT_EQ(image.pixelColor(Grille(0, 0)), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(dialogue.Geometrie().PlacePointeur().left(), Bande(255).y()), QColor(0, 0, 255));
    Clique(Bande(0), Qt::LeftButton);
    EXPECT_EQ(dialogue.ValeurB, 0);

    // Bord droit de la bande compris ; au-delà, rien.
    Clique(QPoint(dialogue.Geometrie().Bande.right() + 1, Bande(40).y()), Qt::LeftButton);
    EXPECT_EQ(dialogue.ValeurB, 40);
    Clique(QPoint(dialogue.Geometrie().Bande.right() + 2, Bande(90).y()), Qt::LeftButton);
    EXPECT_EQ(dialogue.ValeurB, 40);

    Clique(Bande(254), Qt::LeftButton);
    Molette(Bande(10), -120);
    EXPECT_EQ(dialogue.ValeurB, 255);
    EXPECT_EQ(dialogue.EditB->text(), "255");
    Molette(Bande(10), -120);
    EXPECT_EQ(dialogue.ValeurB, 255);
    Molette(Bande(10), 240);
    EXPECT_EQ(dialogue.ValeurB, 253);
    EXPECT_EQ(dialogue.CouleurTemoin, ComposeRVB(20, 10, 253));

    // Suivi arrêté : ni la bande ni la molette.
    Clique(Bande(5), Qt::RightButton);
    Clique(Bande(5), Qt::LeftButton);
    Molette(Bande(5), 120);
    EXPECT_EQ(dialogue.ValeurB, 253);
}

TEST_F(DialogueCouleurs, ComposanteTapee)
{
    Deplace(Grille(10, 20));
    for (const char* refuse : {"300", "abc", "", "-1", "12.5", "1e2", "256"}) {
        Tape(dialogue.EditV, refuse);
        EXPECT_EQ(dialogue.EditV->text(), "10") << refuse;
        EXPECT_EQ(dialogue.ValeurV, 10) << refuse;
    }
    Tape(dialogue.EditV, "255");
    EXPECT_EQ(dialogue.ValeurV, 255);
    EXPECT_EQ(dialogue.CouleurTemoin, ComposeRVB(20, 255, 0));
    Tape(dialogue.EditR, " 7 ");
    EXPECT_EQ(dialogue.CouleurTemoin, ComposeRVB(7, 255, 0));

    // Un bleu tapé déplace le pointeur et refait la grille à ce niveau, à l'écran, sans
    // attendre un autre repeint.
    QApplication::processEvents();
    const int traces = dialogue.TracesGrille();
    Tape(dialogue.EditB, "128");
    QApplication::processEvents();
    EXPECT_GT(dialogue.TracesGrille(), traces);
    // Ce que la fenêtre montre, sans repeint forcé comme celui de grab().
    const QImage ecran = dialogue.screen()->grabWindow(dialogue.winId()).toImage();
    EXPECT_EQ(ecran.pixelColor(Grille(3, 4)), QColor(4, 3, 128));
    const QImage image = dialogue.grab().toImage();
    EXPECT_EQ(image.pixelColor(Grille(3, 4)), QColor(4, 3, 128));
    EXPECT_EQ(image.pixelColor(dialogue.Geometrie().PlacePointeur().left(), Bande(128).y()), QColor(0, 0, 255));
    EXPECT_EQ(PixelDe(dialogue.Geometrie().Temoin), QColor(7, 255, 128));
}

TEST_F(DialogueCouleurs, ValiderPuisAnnulerNeChangeRien)
{
    const TSchemaCouleurs avant = doc.SchemaCouleurs;
    dialogue.ListeElements->setCurrentRow(11);
    Deplace(Grille(10, 20));
    dialogue.OKCouleur->click();
    EXPECT_EQ(dialogue.SchemaProvisoire[11].Couleur, ComposeRVB(20, 10, 0));
    EXPECT_EQ(dialogue.CouleurEnCours, ComposeRVB(20, 10, 0));
    EXPECT_EQ(PixelDe(dialogue.Geometrie().CouleurEnCours), QColor(20, 10, 0));
    dialogue.ImprCoul->setChecked(true);
    dialogue.CancelBtn->click();
    EXPECT_EQ(dialogue.result(), QDialog::Rejected);
    for (int i = 0; i < NbElementsCouleur; ++i)
        EXPECT_EQ(doc.SchemaCouleurs[i].Couleur, avant[i].Couleur) << i;
    EXPECT_FALSE(doc.ImpressionCouleur);

    // La sélection et les composantes restent ; la copie de travail repart du document.
    MontreActif(dialogue);
    EXPECT_EQ(dialogue.ElementChoisi, 11);
    EXPECT_EQ(Champs(), QStringList({"20", "10", "0"}));
    EXPECT_EQ(dialogue.SchemaProvisoire[11].Couleur, 255u);
    EXPECT_EQ(dialogue.CouleurTemoin, 255u);
    EXPECT_FALSE(dialogue.ImprCoul->isChecked());
}

// Le bouton ne prend pas le focus : la composante tapée compte sans avoir quitté le champ.
TEST_F(DialogueCouleurs, ValiderPrendLaComposanteEnCoursDeFrappe)
{
    Deplace(Grille(10, 20));
    dialogue.EditR->setFocus();
    dialogue.EditR->setText("200");
    dialogue.OKCouleur->click();
    EXPECT_EQ(dialogue.SchemaProvisoire[3].Couleur, ComposeRVB(200, 10, 0));
}

TEST_F(DialogueCouleurs, DefautsPuisAutreElementPuisAccepter)
{
    dialogue.CancelBtn->click();
    for (TElementCouleur& e : doc.SchemaCouleurs)
        e.Couleur = 0x123456;
    MontreActif(dialogue);
    dialogue.UneDefaut->click();
    EXPECT_EQ(dialogue.SchemaProvisoire[3].Couleur, 0xFF0000u);
    EXPECT_EQ(dialogue.SchemaProvisoire[4].Couleur, 0x123456u);
    EXPECT_EQ(Champs(), QStringList({"0", "0", "255"}));

    dialogue.TouteDefaut->click();
    dialogue.ListeElements->setCurrentRow(5);
    EXPECT_EQ(dialogue.CouleurEnCours, 0x123456u);
    EXPECT_EQ(dialogue.CouleurTemoin, 0x123456u);
    EXPECT_EQ(Champs(), QStringList({"86", "52", "18"}));
    EXPECT_EQ(PixelDe(dialogue.Geometrie().CouleurEnCours), QColor(0x56, 0x34, 0x12));

    int acceptations = 0;
    QObject::connect(&dialogue, &TBoiteDialogueCouleurs::CouleursAcceptees, [&] { ++acceptations; });
    dialogue.ImprCoul->setChecked(true);
    dialogue.BtnAccepter->click();
    EXPECT_EQ(dialogue.result(), QDialog::Accepted);
    EXPECT_EQ(acceptations, 1);
    for (int i = 0; i < NbElementsCouleur; ++i)
        EXPECT_EQ(doc.SchemaCouleurs[i].Couleur, SchemaDefaut()[i].Couleur) << i;
    EXPECT_TRUE(doc.ImpressionCouleur);
}

} // namespace
