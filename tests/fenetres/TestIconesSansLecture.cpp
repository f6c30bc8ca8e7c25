#include "fenetres/IconesSansLecture.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QCompleter>
#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "AffichageQt.h"
#include "fenetres/UPrinc.h"

namespace {

// Contenus qui trahiraient une lecture : l'en-tête dit PDF ou PNG, le nom dit autre chose.
class IconesSansLecture : public testing::Test {
protected:
    void SetUp() override
    {
        Ecrit("sans_suffixe", "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
        Ecrit("image.txt", "\x89PNG\r\n\x1A\n");
        Ecrit("etude.kvf", "%PDF-1.4\n");
        QDir(dossier_.path()).mkdir("sous_dossier");
    }

    void Ecrit(const QString& nom, const QByteArray& contenu)
    {
        QFile f(Chemin(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }
    QString Chemin(const QString& nom) const { return dossier_.filePath(nom); }

    QFileDialog dialogue_;
    // Enfant du dialogue, comme dans le programme : détruit après le modèle qui s'en sert.
    const TIconesSansLecture& icones_ = *new TIconesSansLecture(dialogue_);

private:
    QTemporaryDir dossier_;
};

TEST_F(IconesSansLecture, TypeDecideParLeNomSeul)
{
    const QMimeDatabase base;
    EXPECT_EQ(icones_.type(QFileInfo(Chemin("sans_suffixe"))), "Fichier");
    const QString texteBrut = base.mimeTypeForName("text/plain").comment();
    EXPECT_EQ(icones_.type(QFileInfo(Chemin("image.txt"))), texteBrut);
    EXPECT_NE(texteBrut, base.mimeTypeForName("image/png").comment());
    EXPECT_EQ(icones_.type(QFileInfo(Chemin("sous_dossier"))), "Dossier");
}

TEST_F(IconesSansLecture, IconeSelonLaNatureDeLEntree)
{
    using P = QAbstractFileIconProvider;
    EXPECT_EQ(icones_.icon(QFileInfo(Chemin("sous_dossier"))).cacheKey(), icones_.icon(P::Folder).cacheKey());
    EXPECT_EQ(icones_.icon(QFileInfo(Chemin("sans_suffixe"))).cacheKey(), icones_.icon(P::File).cacheKey());
    EXPECT_EQ(icones_.icon(QFileInfo("/")).cacheKey(), icones_.icon(P::Drive).cacheKey());
    EXPECT_NE(icones_.icon(P::Folder).cacheKey(), icones_.icon(P::File).cacheKey());
}

// Les deux dialogues du programme listent les dossiers sans lire les fichiers : le type
// montré pour un .kvf au contenu de PDF vient de son seul nom.
TEST_F(IconesSansLecture, DialoguesDuProgrammeNeLisentRien)
{
    TEcranPrincipal ecran;
    for (QFileDialog* dialogue : {ecran.DialogueOuvrirFichier, ecran.DialogueSauvegarde}) {
        ASSERT_NE(dialogue, nullptr);
        EXPECT_NE(dynamic_cast<const TIconesSansLecture*>(dialogue->iconProvider()), nullptr);
        dialogue->setDirectory(QFileInfo(Chemin("etude.kvf")).absolutePath());
        auto* modele = dialogue->findChild<QFileSystemModel*>();
        ASSERT_NE(modele, nullptr);
        const QString attendu = icones_.type(QFileInfo(Chemin("etude.kvf")));
        QString montre;
        // Le modèle se remplit par un fil à part : on lui laisse le temps d'arriver.
        for (QDeadlineTimer limite(10000); montre.isEmpty() && !limite.hasExpired();) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            montre = modele->index(Chemin("etude.kvf"), 2).data().toString();
        }
        EXPECT_EQ(montre, attendu);
        EXPECT_NE(montre, QMimeDatabase().mimeTypeForName("application/pdf").comment());
    }
}

// Taille et date en français, relues à l'affichage : un fichier vide quand le dossier a été
// listé, écrit ensuite, montre sa vraie taille.
TEST_F(IconesSansLecture, TaillesEtDatesEnFrancaisEtAJour)
{
    TEcranPrincipal ecran;
    QFileDialog& dialogue = *ecran.DialogueOuvrirFichier;
    Ecrit("vide.kvf", "");
    Ecrit("nouveau.kvf", "");
    dialogue.setDirectory(QFileInfo(Chemin("vide.kvf")).absolutePath());
    auto* modele = dialogue.findChild<QFileSystemModel*>();
    ASSERT_NE(modele, nullptr);
    ASSERT_NE(dialogue.proxyModel(), nullptr);
    const auto montre = [&](const QString& nom, int colonne) {
        return dialogue.proxyModel()->mapFromSource(modele->index(Chemin(nom), colonne)).data().toString();
    };
    for (QDeadlineTimer limite(10000); montre("nouveau.kvf", 1).isEmpty() && !limite.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    Ecrit("nouveau.kvf", QByteArray(3000, 'a'));

    EXPECT_EQ(montre("vide.kvf", 1), "0 octets");
    EXPECT_EQ(montre("nouveau.kvf", 1), "2,93 Kio");
    EXPECT_EQ(montre("sous_dossier", 1), modele->index(Chemin("sous_dossier"), 1).data().toString());
    // Jour, mois et année en chiffres, dans cet ordre : aucun nom de mois anglais.
    const QDateTime date = QFileInfo(Chemin("nouveau.kvf")).lastModified();
    EXPECT_EQ(montre("nouveau.kvf", 3), date.toString("dd/MM/yyyy HH:mm"));
}

// Un chemin tapé puis Entrée ferme le dialogue : sa liste de complétion part avec lui.
TEST_F(IconesSansLecture, CompletionFermeeAvecLeDialogue)
{
    TEcranPrincipal ecran;
    // Un nom que chaque dialogue prend sans question : existant pour l'ouverture, nouveau
    // pour l'enregistrement.
    for (const auto& [dialogue, fichier] : {std::pair{ecran.DialogueOuvrirFichier, "etude.kvf"},
                                            std::pair{ecran.DialogueSauvegarde, "nouvelle.kvf"}}) {
        dialogue->open();
        auto* nom = dialogue->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(nom, nullptr);
        ASSERT_NE(nom->completer(), nullptr);
        QAbstractItemView* liste = nom->completer()->popup();
        nom->setText(Chemin(fichier));
        liste->show();
        ASSERT_TRUE(liste->isVisible());
        QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(nom, &entree);
        EXPECT_FALSE(dialogue->isVisible());
        EXPECT_FALSE(liste->isVisible());
    }
}

}  // namespace
