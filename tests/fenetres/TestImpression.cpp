// Le travail d'impression sans imprimante : un PDF valide, relu par pdftotext, avec son titre
// de travail ; un dossier où l'on ne peut écrire donne son message et aucun fichier.
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

#include "AideDialogues.h"
#include "AidePdf.h"
#include "fenetres/Impression.h"
#include "fenetres/UInfoImpression.h"
#include "trace/AidePages.h"
#include "trace/TraceEtudeImprimee.h"

namespace {

class ImpressionSansImprimante : public testing::Test {
protected:
    void SetUp() override
    {
        impression_.ImprimanteEnService = [] { return QString(); };
        impression_.ChoixFichierPdf = [this](const QString& propose) {
            proposes_ << propose;
            return chemin_;
        };
    }
    QString Chemin(const QString& nom) const { return dossier_.filePath(nom); }

    EnregistreurMessages messages_;
    QTemporaryDir dossier_;
    TInfoImpression info_;
    TImpression impression_{info_, nullptr};
    QString chemin_;
    QStringList proposes_;
};

}  // namespace

TEST_F(ImpressionSansImprimante, ChaquePageDevientUnPdfLisible)
{
    QString precedent;
    for (const TPageDeTest& page : CinqPages())
        for (const bool couleur : {false, true}) {
            TDocument doc = DocumentDesPages();
            doc.ImpressionCouleur = couleur;
            chemin_ = Chemin(QString::fromLatin1(page.Nom) + (couleur ? "-couleur.pdf" : ".pdf"));
            QString nomPendant;
            bool infoVisible = false;
            const bool imprime = impression_.Imprime(page.TitreTravail, QPageLayout::Portrait,
                                                     [&](QPainter& p, const QRect& cadre, int resolution) {
                                                         infoVisible = info_.isVisible();
                                                         nomPendant = info_.LabelNomImprimante->text();
                                                         page.Imprime(p, cadre, resolution, doc, ValeursA4("Titre à lire"));
                                                     });
            ASSERT_TRUE(imprime) << page.Nom;
            EXPECT_TRUE(infoVisible) << page.Nom;
            EXPECT_EQ(nomPendant, chemin_);
            EXPECT_FALSE(info_.isVisible());
            // Le premier nom proposé est le titre du travail, les suivants le dernier PDF écrit.
            EXPECT_TRUE(proposes_.first().endsWith("/DiagBode.pdf")) << proposes_.first().toStdString();
            if (proposes_.size() > 1)
                EXPECT_EQ(proposes_.last(), precedent);
            precedent = chemin_;
            const QString texte = TexteDuPdf(chemin_);
            EXPECT_TRUE(texte.contains(page.TitreDessin)) << page.Nom;
            EXPECT_TRUE(texte.contains("Titre à lire")) << page.Nom;
            EXPECT_TRUE(texte.contains("Kovra =")) << page.Nom;
            EXPECT_TRUE(texte.contains("x")) << page.Nom;
            EXPECT_EQ(InfoDuPdf(chemin_, "Title"), page.TitreTravail);
            EXPECT_EQ(InfoDuPdf(chemin_, "Pages"), "1");
        }
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join("\n").toStdString();
}

TEST_F(ImpressionSansImprimante, TextesPropresAuxPagesBodeEtBlack)
{
    TDocument doc = DocumentDesPages();
    chemin_ = Chemin("bode.pdf");
    const std::vector<TPageDeTest> pages = CinqPages();
    ASSERT_TRUE(impression_.Imprime("DiagBode", QPageLayout::Portrait, [&](QPainter& p, const QRect& c, int r) {
        pages[0].Imprime(p, c, r, doc, ValeursA4());
    }));
    const QString bode = TexteDuPdf(chemin_);
    EXPECT_TRUE(bode.contains("Gain (dB)"));
    EXPECT_TRUE(bode.contains("Déphasage (degrés)"));
    chemin_ = Chemin("black.pdf");
    ASSERT_TRUE(impression_.Imprime("DiagBlack", QPageLayout::Portrait, [&](QPainter& p, const QRect& c, int r) {
        pages[2].Imprime(p, c, r, doc, ValeursA4());
    }));
    const QString black = TexteDuPdf(chemin_);
    EXPECT_TRUE(black.contains("G (dB)"));
    EXPECT_TRUE(black.contains("Phase (°)"));
}

TEST_F(ImpressionSansImprimante, EtudeALItalienne)
{
    TDocument doc = DocumentAnalyse(PolynomeDeCoefs({1, 2}), PolynomeDeRacines(1, {ComplexeReel(1), ComplexeReel(-2)}));
    chemin_ = Chemin("etude.pdf");
    ASSERT_TRUE(impression_.Imprime("Impression Kovra", QPageLayout::Landscape,
                                    [&](QPainter& p, const QRect& c, int r) { ImprimeEtude(p, c, r, doc); }));
    const QString texte = TexteDuPdf(chemin_);
    for (const char* attendu : {"Kovra =", "G(p) =", "Zéros", "Pôles", "Système Instable"})
        EXPECT_TRUE(texte.contains(QString::fromUtf8(attendu))) << attendu;
    EXPECT_EQ(InfoDuPdf(chemin_, "Title"), "Impression Kovra");
    // « Page size: 841.89 x 595.276 pts (A4) » : plus large que haute.
    const QStringList taille = InfoDuPdf(chemin_, "Page size").split(' ');
    ASSERT_GE(taille.size(), 3);
    EXPECT_GT(taille[0].toDouble(), taille[2].toDouble());
}

TEST_F(ImpressionSansImprimante, DossierInterditDonneSonMessageEtAucunFichier)
{
    QFile ordinaire(Chemin("fichier-ordinaire"));
    ASSERT_TRUE(ordinaire.open(QIODevice::WriteOnly));
    ordinaire.close();
    chemin_ = Chemin("fichier-ordinaire/page.pdf");
    // La page se dessine en mémoire avant d'être écrite d'un bloc : seul compte ce qui reste.
    EXPECT_FALSE(impression_.Imprime("DiagBode", QPageLayout::Portrait, [](QPainter&, const QRect&, int) {}));
    ASSERT_EQ(messages_.Messages.size(), 1);
    EXPECT_TRUE(messages_.Messages[0].startsWith("Le fichier PDF « " + chemin_ + " »")) << messages_.Messages[0].toStdString();
    EXPECT_FALSE(QFile::exists(chemin_));
    EXPECT_FALSE(info_.isVisible());
}

TEST_F(ImpressionSansImprimante, ImprimanteQuiRefuseDonneSonMessage)
{
    impression_.ImprimanteEnService = [] { return QStringLiteral("imprimante-inexistante"); };
    // La page se dessine en mémoire avant d'être écrite d'un bloc : seul compte ce qui reste.
    EXPECT_FALSE(impression_.Imprime("DiagBode", QPageLayout::Portrait, [](QPainter&, const QRect&, int) {}));
    EXPECT_EQ(messages_.Messages, QStringList{"L'imprimante « imprimante-inexistante » n'a pas accepté l'impression."});
    EXPECT_TRUE(proposes_.isEmpty());
    EXPECT_FALSE(info_.isVisible());
}

TEST_F(ImpressionSansImprimante, RenoncerAuFichierNImprimeRienEtNeDitRien)
{
    chemin_.clear();
    // La page se dessine en mémoire avant d'être écrite d'un bloc : seul compte ce qui reste.
    EXPECT_FALSE(impression_.Imprime("DiagBode", QPageLayout::Portrait, [](QPainter&, const QRect&, int) {}));
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

TEST_F(ImpressionSansImprimante, UnPdfExistantNEstRemplaceQueParUnPdfComplet)
{
    chemin_ = Chemin("ancien.pdf");
    QFile ancien(chemin_);
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
    ancien.write("ancien contenu");
    ancien.close();
    EXPECT_THROW(impression_.Imprime("DiagBode", QPageLayout::Portrait,
                                     [](QPainter&, const QRect&, int) { throw std::runtime_error("coupure"); }),
                 std::runtime_error);
    ASSERT_TRUE(ancien.open(QIODevice::ReadOnly));
    EXPECT_EQ(ancien.readAll(), "ancien contenu");
    ancien.close();
    TDocument doc = DocumentDesPages();
    ASSERT_TRUE(impression_.Imprime("DiagBode", QPageLayout::Portrait,
                                    [&](QPainter& p, const QRect& c, int r) { CinqPages()[0].Imprime(p, c, r, doc, ValeursA4()); }));
    EXPECT_TRUE(TexteDuPdf(chemin_).contains("Diagramme de Bode"));
}

// Après un « Config. impr. » qui a choisi un fichier, chaque impression redemande le sien, propose
// le dernier et ne remplace rien sans le dire : un Bode en couleur ne s'efface pas sous un Nyquist.
TEST_F(ImpressionSansImprimante, ChaqueImpressionDansUnFichierLeDemandeEtConfirme)
{
    const QString choisi = Chemin("choisi.pdf");
    impression_.ExecuteConfiguration = [&](QPrintDialog& dialogue) {
        dialogue.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialogue.printer()->setOutputFileName(choisi);
        return int(QDialog::Accepted);
    };
    impression_.Configure(nullptr);
    TDocument doc = DocumentDesPages();
    const auto page = [&](int i) {
        return [&doc, i](QPainter& p, const QRect& c, int r) { CinqPages()[std::size_t(i)].Imprime(p, c, r, doc, ValeursA4()); };
    };
    chemin_ = choisi;
    ASSERT_TRUE(impression_.Imprime("DiagBode", QPageLayout::Portrait, page(0)));
    EXPECT_EQ(proposes_, QStringList{choisi});
    EXPECT_TRUE(messages_.Questions.isEmpty());
    const QByteArray bode = EmpreinteFichier(choisi);
    ASSERT_FALSE(bode.isEmpty());

    // Le même nom redonné : la question est posée, Non ne touche pas au Bode.
    messages_.Reponses = {TReponse::Non};
    EXPECT_FALSE(impression_.Imprime("DiagNyquist", QPageLayout::Portrait, page(1)));
    EXPECT_EQ(proposes_.last(), choisi);
    EXPECT_EQ(messages_.Questions, QStringList{QuestionRemplacement(choisi)});
    EXPECT_EQ(EmpreinteFichier(choisi), bode);
    EXPECT_TRUE(messages_.Messages.isEmpty());

    // Un nom sans extension reçoit celle des PDF, puis sera le prochain proposé.
    chemin_ = Chemin("nyquist");
    ASSERT_TRUE(impression_.Imprime("DiagNyquist", QPageLayout::Portrait, page(1)));
    EXPECT_TRUE(TexteDuPdf(Chemin("nyquist.pdf")).contains("Diagramme de Nyquist"));
    EXPECT_FALSE(QFile::exists(Chemin("nyquist")));
    EXPECT_EQ(EmpreinteFichier(choisi), bode);
    chemin_.clear();
    EXPECT_FALSE(impression_.Imprime("DiagBlack", QPageLayout::Portrait, page(2)));
    EXPECT_EQ(proposes_.last(), Chemin("nyquist.pdf"));
    EXPECT_EQ(messages_.Questions.size(), 1);
}
