// Lieu d'Evans et boucle fermée côté fenêtres : dialogues qui refusent ce qui ne se trace pas,
// parcours d'un nouvel utilisateur du lieu à la réponse indicielle de la boucle fermée.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

#include "AideDialogues.h"
#include <QTemporaryDir>

#include "SeparateurImpose.h"
#include "fenetres/CommandesEvans.h"
#include "fenetres/LectureEvans.h"
#include "fenetres/UBoucleFermee.h"
#include "fenetres/UEcranDiagramme.h"
#include "fenetres/UEcranRepTemp.h"
#include "fenetres/UEcranTabVal.h"
#include "fenetres/UPrinc.h"
#include "fenetres/USaisieParamEvans.h"
#include "trace/DocumentsDessin.h"

namespace {

TEST(BoiteBoucleFermee, UnParDefautPuisLeGainLuEtSeulementUnNombrePositifFini)
{
    const SeparateurImpose separateur(',');
    EnregistreurMessages messages;
    TBoiteBoucleFermee boite;
    MontreActif(boite);
    EXPECT_EQ(boite.EditK()->text(), "1");
    EXPECT_EQ(boite.focusWidget(), boite.EditK());
    boite.reject();
    boite.Propose(5.9988L);
    MontreActif(boite);
    EXPECT_EQ(boite.EditK()->text(), "5,9988");
    // 1e1000 et 1e-1000 sont des K finis et positifs en précision étendue : acceptés ailleurs.
    for (const char* texte : {"", "   ", "abc", "1.2.3", "1e99999", "-1e99999", "inf", "nan", "1e", "--", "+-1",
                                 "0x1p3", "0", "-3", "0,0", "-0"}) {
        boite.EditK()->setText(QString::fromUtf8(texte));
        AppuieEntree(boite.EditK());
        EXPECT_TRUE(boite.isVisible()) << texte;
        EXPECT_EQ(boite.focusWidget(), boite.EditK());
    }
    EXPECT_TRUE(messages.Messages.contains("K est mal saisi"));
    EXPECT_TRUE(messages.Messages.contains("K doit être un nombre fini strictement positif"));
    for (const QString& m : messages.Messages)
        EXPECT_TRUE(m == "K est mal saisi" || m == "K doit être un nombre fini strictement positif") << m.toStdString();
    boite.EditK()->setText("2.5");
    AppuieEntree(boite.EditK());
    EXPECT_EQ(boite.result(), QDialog::Accepted);
    EXPECT_EQ(boite.K(), 2.5L);
}

class EchellesEvans : public testing::Test {
protected:
    EchellesEvans() : separateur_('.'), doc_(DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({0, 2, 3, 1}))), echelles_(doc_) {}

    SeparateurImpose separateur_;
    EnregistreurMessages messages_;
    TDocument doc_;
    TEchellesEvans echelles_;
};

TEST_F(EchellesEvans, ValeursAutomatiquesALaPremiereOuvertureEtAcceptees)
{
    MontreActif(echelles_);
    const TParamEvans p = echelles_.Parametres();
    EXPECT_LT(p.ReMin, -2);
    EXPECT_GT(p.ReMax, 0);
    EXPECT_LT(p.ImMin, -1.41L);
    EXPECT_GT(p.ImMax, 1.41L);
    echelles_.ReMin->setText("-10");
    echelles_.OKBtn->click();
    EXPECT_EQ(echelles_.result(), QDialog::Accepted);
    EXPECT_TRUE(messages_.Messages.isEmpty());
    // Même fonction : les valeurs choisies restent ; autre fonction : automatiques à nouveau.
    MontreActif(echelles_);
    EXPECT_EQ(echelles_.ReMin->text(), "-10");
    echelles_.reject();
    doc_ = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({100, 1}));
    MontreActif(echelles_);
    EXPECT_LT(echelles_.Parametres().ReMin, -100);
}

TEST_F(EchellesEvans, ChaqueChampRefuseSonMauvaisTexteEtLeDialogueResteOuvert)
{
    struct TCas {
        QLineEdit* Champ;
        QString Texte;
        QString Message;
        QLineEdit* Autre = nullptr;  // second champ changé avec lui
        QString TexteAutre = {};
    };
    const TCas cas[] = {
        {echelles_.ReMin, "abc", "X minimum mal saisi"},
        {echelles_.ReMax, "", "X maximum mal saisi"},
        {echelles_.ImMin, "1e99999", "Y minimum mal saisi"},
        {echelles_.ImMax, "nan", "Y maximum mal saisi"},
        {echelles_.ReMax, "-5", "XMin>=XMax: c'est incorrect"},
        {echelles_.ImMax, "-3", "YMin>=YMax: c'est incorrect"},
        {echelles_.ReMin, "-1.1e4932", "Ecart entre XMin et XMax trop grand", echelles_.ReMax, "1.1e4932"},
        {echelles_.ImMin, "-1e300", "Ecart entre YMin et YMax trop grand", echelles_.ImMax, "1e300"},
        {echelles_.ImMin, "1000000000000000", "Ecart entre YMin et YMax trop faible", echelles_.ImMax,
         "1000000000000000.0001"},
    };
    for (const TCas& c : cas) {
        MontreActif(echelles_);
        echelles_.RemplitSiNouvelleFonction();
        echelles_.BtnAutomatique->click();
        if (c.Autre)
            c.Autre->setText(c.TexteAutre);
        c.Champ->setText(c.Texte);
        messages_.Messages.clear();
        echelles_.OKBtn->click();
        EXPECT_TRUE(echelles_.isVisible()) << c.Message.toStdString();
        EXPECT_EQ(messages_.Messages, QStringList{c.Message});
        echelles_.reject();
    }
}

// Un nouvel utilisateur : 1/(p(p+1)(p+2)), « Lieu d'Evans », K ≈ 6 lu où les branches coupent
// l'axe imaginaire, puis « Boucle fermée… » avec K = 3 et la réponse indicielle.
class ParcoursEvans : public testing::Test {
protected:
    // Le dossier du test n'a pas d'image d'accueil : son message ne compte pas.
    void SetUp() override
    {
        RemplaceAfficheurMessages([this](const QString& m) {
            if (!m.startsWith("Image d'accueil"))
                messages_ << m;
        });
    }
    void TearDown() override { RemplaceAfficheurMessages({}); }

    void Saisit(TEcranPrincipal& ecran, std::initializer_list<Reel> n, std::initializer_list<Reel> d, Reel retard = 0)
    {
        ecran.Document.Systeme.Numerateur = PolynomeDeCoefs(n);
        ecran.Document.Systeme.Denominateur = PolynomeDeCoefs(d);
        ecran.Document.Systeme.TempsMort = retard;
        ASSERT_TRUE(ecran.AnalyseApresSaisie("Erreur décomposition en éléments simples"));
    }

    void MontreLieu(TEcranPrincipal& ecran)
    {
        ecran.EcranDiagramme->ExecuteDialogue = [&ecran](QDialog& dialogue) {
            dialogue.show();
            ecran.EchellesEvans->OKBtn->click();
            return dialogue.result();
        };
        ecran.CommandesEvans->LieuEvans1->trigger();
        ecran.EcranDiagramme->setWindowState(Qt::WindowNoState);
        ecran.EcranDiagramme->ZoneClient->setFixedSize(900, 650);
        ecran.EcranDiagramme->adjustSize();
        ecran.EcranDiagramme->ZoneClient->grab();
    }


    QStringList messages_;
    QTemporaryDir dossier_;
};

TEST_F(ParcoursEvans, DuLieuALaReponseIndicielleDeLaBoucleFermee)
{
    TEcranPrincipal ecran(dossier_.path() + "/");
    EXPECT_FALSE(ecran.CommandesEvans->LieuEvans1->isEnabled());
    EXPECT_FALSE(ecran.CommandesEvans->BoucleFermee1->isEnabled());
    Saisit(ecran, {1}, {0, 2, 3, 1});
    ASSERT_TRUE(ecran.CommandesEvans->LieuEvans1->isEnabled());
    QAction* marges = ecran.EcranDiagramme->Marges1;
    marges->setChecked(true);
    MontreLieu(ecran);
    ASSERT_TRUE(ecran.EcranDiagramme->isVisible());
    ASSERT_EQ(ecran.Document.TypeDiagramme, TTypeDiagramme::Evans);
    // Le lieu ne montre pas de marges : la commande est grisée et éteinte.
    EXPECT_FALSE(marges->isEnabled());
    EXPECT_FALSE(marges->isChecked());
    ASSERT_FALSE(ecran.EcranDiagramme->Trace().Evans.Lieu.Points.empty());

    const QPoint croisement = PixelEvans(ecran.EcranDiagramme->Trace().Evans, {0, std::sqrt(Reel(2))}).toPoint();
    QMouseEvent appui(QEvent::MouseButtonPress, croisement, ecran.EcranDiagramme->ZoneClient->mapToGlobal(croisement),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ecran.EcranDiagramme->ZoneClient, &appui);
    ASSERT_TRUE(ecran.EcranDiagramme->EditEvans->isVisible());
    const QStringList lignes = ecran.EcranDiagramme->EditEvans->text().split('\n');
    ASSERT_EQ(lignes.size(), 4);
    ASSERT_TRUE(ecran.Document.Evans.GainLu.has_value());
    EXPECT_NEAR(double(*ecran.Document.Evans.GainLu), 6, 0.3);
    EXPECT_TRUE(lignes[0].startsWith("K = "));
    EXPECT_TRUE(std::any_of(lignes.begin() + 1, lignes.end(), [](const QString& l) { return l.contains("ζ = "); }));
    ecran.EcranDiagramme->SourisRelachee();
    EXPECT_FALSE(ecran.EcranDiagramme->EditEvans->isVisible());

    ecran.EcranDiagramme->Tableau1->trigger();
    EXPECT_EQ(ecran.EcranTabVal->windowTitle(), "Valeurs du lieu d'Evans");
    EXPECT_EQ(ecran.EcranTabVal->TabVal->columnCount(), 4);
    EXPECT_EQ(ecran.EcranTabVal->TabVal->rowCount(), int(ecran.EcranDiagramme->Trace().Evans.Lieu.Points.size()));

    ecran.ExecuteDialogue = [&ecran](QDialog& dialogue) {
        dialogue.show();
        EXPECT_NE(ecran.BoiteBoucleFermee->EditK()->text(), "1") << "le K lu est proposé";
        ecran.BoiteBoucleFermee->EditK()->setText("3");
        ecran.BoiteBoucleFermee->BtnValider()->click();
        return dialogue.result();
    };
    ecran.CommandesEvans->BoucleFermee1->trigger();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
    const TPolynome& d = ecran.Document.Systeme.Denominateur;
    ASSERT_EQ(d.Degre, 3);
    EXPECT_EQ(d.Coef[0].Re, 3);
    EXPECT_TRUE(ecran.Document.Systeme.SystemeStable);
    EXPECT_TRUE(ecran.ReponsesTemporelles->menuAction()->isEnabled());
    EXPECT_TRUE(ecran.EcranDiagramme->isVisible()) << "le lieu reste, celui de la boucle fermée";
    // Échelles automatiques de la boucle fermée, écrites à trois chiffres.
    const TCadreLieu cadre = CadreAutoEvans(ecran.Document.Systeme.Numerateur, ecran.Document.Systeme.Denominateur,
                                            PointsEvans(ecran.Document.Systeme.Numerateur, ecran.Document.Systeme.Denominateur));
    EXPECT_NEAR(double(ecran.EchellesEvans->Parametres().ReMin), double(cadre.XMin), 0.01 * std::fabs(double(cadre.XMin)));
    // Revenu sur Bode, la commande sert de nouveau.
    ecran.EcranDiagramme->Montre(TTypeDiagramme::Bode);
    EXPECT_TRUE(marges->isEnabled());
}

// Le point K = 6 du lieu de 1/(p(p+1)(p+2)) : pôles -3 et ±j√2 ((p + 3)(p² + 2)), tels que le
// calcul les rend, avec leur bruit. La lecture montre 0 pour ce bruit, pas « -3 + j2E-37 ».
TEST(LectureEvans, BruitDeCalculLuCommeZero)
{
    const SeparateurImpose point('.');
    TTraceEvans trace;
    trace.Lieu.NbBranches = 3;
    TPointLieu lu;
    lu.K = 6;
    lu.Racines[0] = {-3, 2.1e-37L};
    lu.Racines[1] = {1.3e-20L, std::sqrt(2.0L)};
    lu.Racines[2] = {-1.3e-20L, -std::sqrt(2.0L)};
    trace.Lieu.Points.push_back(lu);
    EXPECT_EQ(LignesLectureEvans(trace, 0), QStringList({"K = 6", "p = -3   ζ = 1   ωn = 3 rad/s",
                                                      "p = 0 + j1.41421   ζ = 0   ωn = 1.41421 rad/s",
                                                      "p = 0 - j1.41421   ζ = 0   ωn = 1.41421 rad/s"}));
    // Une partie à la résolution de la lecture (6 chiffres) reste écrite.
    trace.Lieu.Points[0].Racines[0] = {-3, 2e-5L};
    EXPECT_EQ(LignesLectureEvans(trace, 0)[1], "p = -3 + j2E-5   ζ = 1   ωn = 3 rad/s");
}

TEST_F(ParcoursEvans, RetardRefuseSansDialogueEtLieuAvecSaLigne)
{
    TEcranPrincipal ecran(dossier_.path() + "/");
    Saisit(ecran, {1}, {0, 1, 1}, 0.5L);
    int ouvertures = 0;
    ecran.ExecuteDialogue = [&ouvertures](QDialog&) { ++ouvertures; return int(QDialog::Accepted); };
    ecran.CommandesEvans->BoucleFermee1->trigger();
    EXPECT_EQ(ouvertures, 0);
    EXPECT_EQ(messages_, QStringList{"La boucle fermée d'un système à retard n'est pas une fraction rationnelle"});
    EXPECT_EQ(ecran.Document.Systeme.Denominateur.Degre, 2);
    EXPECT_TRUE(ecran.CommandesEvans->LieuEvans1->isEnabled());
}

TEST_F(ParcoursEvans, LieuGriseSansBranche)
{
    TEcranPrincipal ecran(dossier_.path() + "/");
    Saisit(ecran, {2}, {3});
    EXPECT_FALSE(ecran.CommandesEvans->LieuEvans1->isEnabled());
    EXPECT_TRUE(ecran.CommandesEvans->BoucleFermee1->isEnabled());
    Saisit(ecran, {1}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    EXPECT_TRUE(ecran.CommandesEvans->LieuEvans1->isEnabled());
}

}
