// Les trouvailles du fuzzing, gardées dans tests/donnees/fuzz/, et les fichiers de données des
// tests, rejoués comme le fuzzer les joue : lecture, puis étude entière si elle réussit.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>

#include "ComparaisonReference.h"
#include "EtudeDuContenu.h"

namespace {

int Rejoue(const QString& dossier, const QStringList& filtres)
{
    int rejoues = 0;
    QDirIterator fichiers(dossier, filtres, QDir::Files);
    while (fichiers.hasNext()) {
        const QString chemin = fichiers.next();
        QFile f(chemin);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << chemin.toStdString();
        EXPECT_EQ(DefautEtudeDuContenu(f.readAll()), "") << chemin.toStdString();
        ++rejoues;
    }
    return rejoues;
}

TEST(RegressionsFuzz, ChaqueTrouvailleRejoueeSansDefaut)
{
    EXPECT_GE(Rejoue(QString::fromStdString(CheminDonnees("fuzz")), {}), 3);
}

TEST(RegressionsFuzz, LesSemencesSansDefaut)
{
    EXPECT_GE(Rejoue(QString::fromStdString(CheminDonnees("")), {QStringLiteral("*.kvf")}), 10);
}

} // namespace
