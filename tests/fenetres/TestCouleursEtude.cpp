// Parcours d'un utilisateur : couleurs changées depuis le menu principal, vues sur la fenêtre
// principale, les éléments simples et le diagramme de Bode, gardées par le fichier de données ;
// un second changement annulé ne laisse aucune trace.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include "AideDialogues.h"
#include "coeur/Document.h"
#include "fenetres/UDialCouleurs.h"
#include "fenetres/UEcranElemSimples.h"
#include "fenetres/UEcranRepTemp.h"
#include "fenetres/UPrinc.h"
#include "trace/CouleurQt.h"
#include "trace/TraceBode.h"

namespace {

const QString Donnees = QStringLiteral(KOVRA_DONNEES_TESTS "/");

// Compte les peintures reçues par une fenêtre.
class CompteurPeintures : public QObject {
public:
    explicit CompteurPeintures(QWidget* cible) { cible->installEventFilter(this); }
    int Peintures = 0;

protected:
    bool eventFilter(QObject*, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Paint)
            ++Peintures;
        return false;
    }
};

// Élément choisi dans la liste, bleu mis à 0 sur la bande, couleur prise sur la grille, validée.
void ChoisitCouleur(TBoiteDialogueCouleurs& d, int element, int rouge, int vert)
{
    d.ListeElements->setCurrentRow(element);
    d.SourisEnfoncee(d.Geometrie().Bande.topLeft(), Qt::LeftButton);
    d.SourisDeplacee(d.Geometrie().Grille + QPoint(vert, rouge));
    d.OKCouleur->click();
}

// « Configuration » → « Couleurs », le dialogue mené par `actions` au lieu d'attendre l'utilisateur.
void OuvreCouleurs(TEcranPrincipal& ecran, const std::function<void(TBoiteDialogueCouleurs&)>& actions)
{
    ecran.ExecuteDialogue = [&ecran, &actions](QDialog& dialogue) {
        EXPECT_EQ(&dialogue, ecran.BoiteDialogueCouleurs);
        MontreActif(dialogue);
        actions(*ecran.BoiteDialogueCouleurs);
        return dialogue.result();
    };
    ASSERT_TRUE(ecran.Couleurs1->isEnabled());
    ecran.Couleurs1->trigger();
}

void Lit(TEcranPrincipal& ecran, const QString& chemin)
{
    ecran.ChoixFichier = [chemin](QFileDialog&) { return chemin; };
    ecran.Lireunfichierdonnees->trigger();
}

QColor CoinBasDroit(QWidget* fenetre)
{
    const QImage image = fenetre->grab().toImage();
    return image.pixelColor(image.width() - 3, image.height() - 3);
}

// Bode de la fonction du document dans une image : la couleur au premier point visible du gain.
QColor CourbeBode(TDocument& doc)
{
    QImage image(1000, 700, QImage::Format_RGB32);
    QPainter p(&image);
    const std::optional<TTraceFrequentiel> trace =
        TracerBode(p, image.rect(), doc, {0.01L, 100, -40, 5, {}}, TMiseEnPageBode::Ecran());
    EXPECT_TRUE(trace);
    if (!trace)
        return {};
    const TPointFrequentiel& point = trace->Points[1000];
    return image.pixelColor(point.PixelX, point.PixelY1);
}

TEST(CouleursEtude, ChangeesVuesEnregistreesReluesPuisAnnulees)
{
    EnregistreurMessages messages;
    QTemporaryDir dossier;
    const QString fichier = dossier.path() + "/couleurs.kvf";
    const QColor fondPrincipal(20, 200, 0);
    const QColor fondElements(0, 100, 0);
    const QColor courbe(40, 30, 0);

    TEcranPrincipal ecran;
    ecran.show();
    Lit(ecran, Donnees + "premier_ordre.kvf");
    ecran.ElementsSimples->trigger();
    QCoreApplication::processEvents();
    CompteurPeintures principal(ecran.ZoneClient());
    CompteurPeintures elements(ecran.EcranElemSimples);
    QCoreApplication::processEvents();
    ASSERT_EQ(principal.Peintures + elements.Peintures, 0);

    OuvreCouleurs(ecran, [&](TBoiteDialogueCouleurs& d) {
        ChoisitCouleur(d, 0, fondPrincipal.red(), fondPrincipal.green());
        ChoisitCouleur(d, 4, fondElements.red(), fondElements.green());
        ChoisitCouleur(d, 11, courbe.red(), courbe.green());
        d.ImprCoul->setChecked(true);
        d.BtnAccepter->click();
    });
    EXPECT_FALSE(ecran.BoiteDialogueCouleurs->isVisible());
    EXPECT_TRUE(ecran.Document.ImpressionCouleur);
    QCoreApplication::processEvents();
    EXPECT_GT(principal.Peintures, 0);
    EXPECT_GT(elements.Peintures, 0);
    EXPECT_EQ(CoinBasDroit(ecran.ZoneClient()), fondPrincipal);
    EXPECT_EQ(CoinBasDroit(ecran.EcranElemSimples), fondElements);
    EXPECT_EQ(CourbeBode(ecran.Document), courbe);

    ecran.ChoixFichier = [fichier](QFileDialog&) { return fichier; };
    ecran.Enregistrerlesdonnees->trigger();
    TEcranPrincipal relu;
    relu.show();
    Lit(relu, fichier);
    EXPECT_TRUE(messages.Messages.isEmpty()) << messages.Messages.join("\n").toStdString();
    for (int i = 0; i < NbElementsCouleur; ++i)
        EXPECT_EQ(relu.Document.SchemaCouleurs[i].Couleur, ecran.Document.SchemaCouleurs[i].Couleur) << i;
    EXPECT_TRUE(relu.Document.ImpressionCouleur);
    EXPECT_EQ(CoinBasDroit(relu.ZoneClient()), fondPrincipal);
    EXPECT_EQ(CourbeBode(relu.Document), courbe);

    // Second changement, annulé : ni le schéma ni les fenêtres ne bougent.
    const TSchemaCouleurs avant = relu.Document.SchemaCouleurs;
    OuvreCouleurs(relu, [](TBoiteDialogueCouleurs& d) {
        ChoisitCouleur(d, 0, 255, 255);
        ChoisitCouleur(d, 11, 0, 255);
        d.ImprCoul->setChecked(false);
        d.CancelBtn->click();
    });
    for (int i = 0; i < NbElementsCouleur; ++i)
        EXPECT_EQ(relu.Document.SchemaCouleurs[i].Couleur, avant[i].Couleur) << i;
    EXPECT_TRUE(relu.Document.ImpressionCouleur);
    EXPECT_EQ(CoinBasDroit(relu.ZoneClient()), fondPrincipal);
    EXPECT_EQ(CourbeBode(relu.Document), courbe);
}


// Une nouvelle couleur de fond acceptée repeint aussitôt la fenêtre des réponses déjà ouverte.
TEST(CouleursEtude, AccepterRepeintLaFenetreDesReponses)
{
    EnregistreurMessages messages;
    TEcranPrincipal ecran;
    ecran.show();
    Lit(ecran, Donnees + "premier_ordre.kvf");
    ecran.EcranRepTemp->Montre(TTypeReponse::Indicielle);
    QCoreApplication::processEvents();
    CompteurPeintures reponses(ecran.EcranRepTemp->ZoneClient);
    QCoreApplication::processEvents();
    const int avant = reponses.Peintures;
    int fond = 0;
    while (fond < NbElementsCouleur && ecran.Document.SchemaCouleurs[fond].Cle != "DFond")
        ++fond;
    ASSERT_LT(fond, NbElementsCouleur);
    OuvreCouleurs(ecran, [&](TBoiteDialogueCouleurs& d) {
        ChoisitCouleur(d, fond, 90, 30);
        d.BtnAccepter->click();
    });
    QCoreApplication::processEvents();
    EXPECT_GT(reponses.Peintures, avant);
    EXPECT_EQ(CoinBasDroit(ecran.EcranRepTemp->ZoneClient), QColor(90, 30, 0));
}

} // namespace
