// Dialogue « Taille Impression » : valeurs par défaut selon le dessin montré, contrôle des
// champs dans l'ordre avec ses six messages, case de couleur, annulation.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <gtest/gtest.h>

#include "AideDialogues.h"
#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"
#include "fenetres/USaisieTailleImpr.h"

namespace {

class TailleImpression : public testing::Test {
protected:
    void Remplit(const QString& largeur, const QString& hauteur, const QString& gauche, const QString& haute)
    {
        dialogue_.Largeur->setText(largeur);
        dialogue_.Hauteur->setText(hauteur);
        dialogue_.MargeGauche->setText(gauche);
        dialogue_.MargeHaute->setText(haute);
    }
    // « Valider » sur le dialogue montré ; vrai s'il s'est fermé.
    bool Valide()
    {
        MontreActif(dialogue_);
        dialogue_.BtnValider()->click();
        return !dialogue_.isVisible() && dialogue_.result() == QDialog::Accepted;
    }

    EnregistreurMessages messages_;
    TDocument doc_ = DocumentInitial();
    TTailleImpression dialogue_{doc_};
};

struct CasDefaut {
    TTypeDiagramme Diagramme;
    TTypeReponse Reponse;
    const char* Hauteur;
    const char* MargeHaute;
};

struct CasControle {
    const char* Largeur;
    const char* Hauteur;
    const char* Gauche;
    const char* Haute;
    const char* Message;  // vide : accepté
    const char* Champ;
};

}  // namespace

TEST_F(TailleImpression, CreationChampsVidesEtPlaces)
{
    EXPECT_EQ(dialogue_.windowTitle(), "Taille Impression");
    EXPECT_EQ(dialogue_.size(), QSize(460, 360));
    for (QLineEdit* champ : {dialogue_.Largeur, dialogue_.Hauteur, dialogue_.MargeGauche, dialogue_.MargeHaute})
        EXPECT_TRUE(champ->text().isEmpty());
    EXPECT_FALSE(dialogue_.ImprCoul->isChecked());
    const QLineEdit* champs[] = {dialogue_.Largeur, dialogue_.Hauteur, dialogue_.MargeGauche, dialogue_.MargeHaute};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(champs[i]->geometry(), QRect(200, 88 + 40 * i, 65, 21)) << i;
    EXPECT_EQ(dialogue_.ImprCoul->geometry(), QRect(152, 296, 145, 17));
    // Le libellé de la case tient dans sa place, sans être coupé.
    const QCheckBox& c = *dialogue_.ImprCoul;
    const int besoin = c.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &c)
                       + c.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &c)
                       + c.fontMetrics().horizontalAdvance(c.text());
    EXPECT_LE(besoin, c.width());
    EXPECT_EQ(dialogue_.Titre->geometry(), QRect(40, 248, 257, 21));
    EXPECT_EQ(dialogue_.Defaut->text(), "Val. par Defaut");
    EXPECT_EQ(dialogue_.BtnConfigImpr->text(), "Config. impr.");
    EXPECT_EQ(dialogue_.BtnValider()->objectName(), "OKBtn");
    EXPECT_EQ(dialogue_.BtnAnnuler()->objectName(), "CancelBtn");
    EXPECT_EQ(dialogue_.ImprCoul->text(), "Impression en couleur");
}

TEST_F(TailleImpression, ValeursParDefautSelonLeDernierDessinMontre)
{
    const CasDefaut cas[] = {{TTypeDiagramme::Bode, TTypeReponse::Aucune, "240", "15"},
                             {TTypeDiagramme::Nyquist, TTypeReponse::Aucune, "195", "25"},
                             {TTypeDiagramme::Black, TTypeReponse::Aucune, "195", "25"},
                             {TTypeDiagramme::Aucun, TTypeReponse::Indicielle, "240", "15"},
                             {TTypeDiagramme::Nyquist, TTypeReponse::Indicielle, "240", "15"},
                             {TTypeDiagramme::Aucun, TTypeReponse::Rampe, "195", "25"}};
    MontreActif(dialogue_);
    for (const CasDefaut& c : cas) {
        doc_.TypeDiagramme = c.Diagramme;
        doc_.TypeReponse = c.Reponse;
        Remplit("1", "2", "3", "4");
        dialogue_.Defaut->click();
        EXPECT_EQ(dialogue_.Largeur->text(), "180");
        EXPECT_EQ(dialogue_.MargeGauche->text(), "15");
        EXPECT_EQ(dialogue_.Hauteur->text(), c.Hauteur) << int(c.Diagramme) << int(c.Reponse);
        EXPECT_EQ(dialogue_.MargeHaute->text(), c.MargeHaute) << int(c.Diagramme) << int(c.Reponse);
        EXPECT_EQ(QApplication::focusWidget(), dialogue_.BtnValider());
    }
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

TEST_F(TailleImpression, ControleDansLOrdreAvecSesSixMessages)
{
    const CasControle cas[] = {
        {"190", "240", "15", "15", "Largeur trop petite ou trop grande", "Largeur"},
        {"185", "240", "15", "15", "", ""},
        {"34", "240", "15", "15", "Largeur trop petite ou trop grande", "Largeur"},
        {"35", "240", "15", "15", "", ""},
        {"180", "250", "15", "45", "Hauteur trop petite ou trop grande", "Hauteur"},
        {"180", "245", "15", "45", "", ""},
        {"180", "24", "15", "15", "Hauteur trop petite ou trop grande", "Hauteur"},
        {"180", "25", "15", "15", "", ""},
        {"18O", "240", "15", "15", "Largeur mal saisie", "Largeur"},
        {"180", "abc", "15", "", "Hauteur mal saisie", "Hauteur"},
        {"180", "240", "", "", "Marge Gauche mal saisie", "MargeGauche"},
        {"180", "240", "15", "", "Marge Haute mal saisie", "MargeHaute"},
        {"", "", "", "", "Largeur mal saisie", "Largeur"},
        {"1e99999", "240", "15", "15", "Largeur mal saisie", "Largeur"},
    };
    for (const CasControle& c : cas) {
        messages_.Messages.clear();
        Remplit(c.Largeur, c.Hauteur, c.Gauche, c.Haute);
        const bool ferme = Valide();
        const QString message = QString::fromUtf8(c.Message);
        EXPECT_EQ(ferme, message.isEmpty()) << c.Largeur << " " << c.Hauteur;
        if (message.isEmpty()) {
            EXPECT_TRUE(messages_.Messages.isEmpty()) << c.Largeur << " " << c.Hauteur;
            continue;
        }
        EXPECT_EQ(messages_.Messages, QStringList{message}) << c.Largeur << " " << c.Hauteur;
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), c.Champ) << c.Largeur << " " << c.Hauteur;
        // Les champs gardent ce qui a été tapé.
        EXPECT_EQ(dialogue_.Largeur->text(), NormaliseSeparateur(c.Largeur));
        dialogue_.reject();
    }
}

TEST_F(TailleImpression, VirguleOuPointQuelQueSoitLeSeparateur)
{
    for (const char separateur : {',', '.'}) {
        SeparateurImpose impose(separateur);
        for (const char* texte : {"180,5", "180.5"}) {
            Remplit(texte, "240,25", "15", "12.5");
            dialogue_.Titre->setText("Mon titre");
            ASSERT_TRUE(Valide()) << texte << " " << separateur;
            const TValeursImpression v = dialogue_.Valeurs();
            EXPECT_EQ(v.Largeur, 180.5L) << texte << " " << separateur;
            EXPECT_EQ(v.Hauteur, 240.25L - 35) << texte;
            EXPECT_EQ(v.MargeGauche, 15);
            EXPECT_EQ(v.MargeHaute, 12.5L);
            EXPECT_EQ(v.Titre, "Mon titre");
        }
    }
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

TEST_F(TailleImpression, CouleurPriseMemeSiUneTailleEstRefusee)
{
    Remplit("190", "240", "15", "15");
    dialogue_.ImprCoul->setChecked(true);
    EXPECT_FALSE(Valide());
    EXPECT_TRUE(doc_.ImpressionCouleur);
    dialogue_.ImprCoul->setChecked(false);
    dialogue_.BtnValider()->click();
    EXPECT_FALSE(doc_.ImpressionCouleur);
    // Annuler n'examine rien et laisse la couleur telle quelle.
    dialogue_.ImprCoul->setChecked(true);
    messages_.Messages.clear();
    dialogue_.BtnAnnuler()->click();
    EXPECT_EQ(dialogue_.result(), QDialog::Rejected);
    EXPECT_FALSE(doc_.ImpressionCouleur);
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

// Un fichier lu change la couleur d'impression : la case montrée à l'ouverture suivante est la sienne.
TEST_F(TailleImpression, CaseCouleurSuitLeDocumentAChaqueOuverture)
{
    for (const bool couleur : {true, false, true}) {
        doc_.ImpressionCouleur = couleur;
        dialogue_.Prepare();
        EXPECT_EQ(dialogue_.ImprCoul->isChecked(), couleur);
    }
}

TEST_F(TailleImpression, EchapAnnuleEtConfigOuvreLeDialogueDeLImprimante)
{
    int configurations = 0;
    dialogue_.ConfigImpression = [&] { ++configurations; };
    MontreActif(dialogue_);
    dialogue_.BtnConfigImpr->click();
    EXPECT_EQ(configurations, 1);
    Remplit("x", "", "", "");
    QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialogue_.Largeur, &echap);
    EXPECT_FALSE(dialogue_.isVisible());
    EXPECT_EQ(dialogue_.result(), QDialog::Rejected);
    EXPECT_TRUE(messages_.Messages.isEmpty());
    // Les champs durent d'une ouverture à l'autre.
    MontreActif(dialogue_);
    EXPECT_EQ(dialogue_.Largeur->text(), "x");
}
