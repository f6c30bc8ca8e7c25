// Le guide reste vrai : ses images existent après la construction, et chaque commande ou
// titre de fenêtre qu'il cite entre guillemets est un texte du programme.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "AideDialogues.h"
#include "fenetres/UPrinc.h"

namespace {

QString Lit(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList Captures(const QString& texte, const QString& motif)
{
    QStringList trouves;
    for (const QRegularExpressionMatch& m : QRegularExpression(motif).globalMatch(texte))
        trouves << m.captured(1);
    return trouves;
}

// Tout ce que l'utilisateur lit dans les menus, les titres, les boutons et les libellés.
QSet<QString> TextesDuProgramme(const TEcranPrincipal& ecran)
{
    QSet<QString> textes;
    const auto ajoute = [&textes](QString t) {
        t.remove(u'&');
        textes << t.trimmed();
    };
    for (const QAction* a : ecran.findChildren<QAction*>())
        ajoute(a->text());
    for (const QWidget* w : ecran.findChildren<QWidget*>()) {
        ajoute(w->windowTitle());
        if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            ajoute(b->text());
        else if (const auto* l = qobject_cast<const QLabel*>(w))
            ajoute(l->text());
        else if (const auto* g = qobject_cast<const QGroupBox*>(w))
            ajoute(g->title());
    }
    return textes;
}

const QString Source = QStringLiteral(KOVRA_SOURCES_DOC "/guide.md");

TEST(Guide, ChaqueImageCiteeExisteApresLaConstruction)
{
    const QString md = Lit(Source);
    const QStringList images = Captures(md, QStringLiteral(R"(!\[[^\]]*\]\(([^)]+)\))"));
    ASSERT_GE(images.size(), 20);
    for (const QString& image : images) {
        const QImage lue(QStringLiteral(KOVRA_DOC "/") + image);
        EXPECT_FALSE(lue.isNull()) << image.toStdString();
        EXPECT_GE(lue.width(), 50) << image.toStdString();
    }
    // La page HTML montre les mêmes images, dans le même ordre.
    const QString html = Lit(QStringLiteral(KOVRA_DOC "/guide.html"));
    EXPECT_EQ(Captures(html, QStringLiteral(R"(<img src="([^"]+)\")")), images);
}

TEST(Guide, ChaqueNomCiteEstUnTexteDuProgramme)
{
    QTemporaryDir dossier;
    EnregistreurMessages messages;
    TEcranPrincipal ecran(dossier.path() + "/");
    const QSet<QString> textes = TextesDuProgramme(ecran);
    const QStringList cites = Captures(Lit(Source), QStringLiteral("« ([^»]+) »"));
    ASSERT_GE(cites.size(), 30);
    // Un nom coupé en fin de ligne se relit sur une seule.
    for (const QString& nom : cites)
        EXPECT_TRUE(textes.contains(nom.simplified())) << "« " << nom.toStdString() << " » n'est pas un texte du programme";
}

// Le contrôle lui-même : un nom inventé ou une commande mal accentuée n'y passent pas.
TEST(Guide, UnNomInventeNEstPasUnTexteDuProgramme)
{
    QTemporaryDir dossier;
    EnregistreurMessages messages;
    TEcranPrincipal ecran(dossier.path() + "/");
    const QSet<QString> textes = TextesDuProgramme(ecran);
    for (const char* present : {"Saisie par Coefficients", "Diag. Bode", "Exemples", "Aide", "Lieu d'Evans",
                                "Echelles du Diagramme de Bode", "Copier"})
        EXPECT_TRUE(textes.contains(QString::fromUtf8(present))) << present;
    for (const char* absent : {"Saisie par coefficients", "Diagramme de Bode…", "Eléments Simples"})
        EXPECT_FALSE(textes.contains(QString::fromUtf8(absent))) << absent;
}

}
