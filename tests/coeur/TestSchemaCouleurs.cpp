#include "coeur/SchemaCouleurs.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

TEST(SchemaCouleurs, CleExacteSinonNoir)
{
    const TSchemaCouleurs& s = SchemaDefaut();
    EXPECT_EQ(CouleurDe(s, "DCourbe"), 255u);
    EXPECT_EQ(CouleurDe(s, "dcourbe"), 0u);
    EXPECT_EQ(CouleurDe(s, "DCourbe "), 0u);
    EXPECT_EQ(CouleurDe(s, ""), 0u);
    EXPECT_EQ(CouleurDe(s, "EPFond"), 0xFFFFFFu);
    EXPECT_EQ(CouleurDe(s, "NPhase"), ComposeRVB(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(CouleurDe(s, "DQuadrillage"), ComposeRVB(0xB8, 0xC2, 0x00));
}

TEST(SchemaCouleurs, VingtClesDistinctesEtCouleursValides)
{
    QSet<QString> cles;
    for (const TElementCouleur& e : SchemaDefaut()) {
        EXPECT_FALSE(e.Libelle.isEmpty());
        EXPECT_LE(e.Couleur, 0xFFFFFFu) << e.Cle.toStdString();
        cles.insert(e.Cle);
    }
    EXPECT_EQ(cles.size(), NbElementsCouleur);
}

TEST(SchemaCouleurs, CouleurDeLitLeSchemaDonneEtSaPremiereOccurrence)
{
    TSchemaCouleurs s = SchemaDefaut();
    s[11].Couleur = ComposeRVB(1, 2, 3);
    EXPECT_EQ(CouleurDe(s, "DCourbe"), 0x030201u);
    EXPECT_EQ(CouleurDe(SchemaDefaut(), "DCourbe"), 255u);  // le schéma par défaut ne bouge pas
    s[12].Cle = "DCourbe";
    s[12].Couleur = 7;
    EXPECT_EQ(CouleurDe(s, "DCourbe"), 0x030201u);
}

TEST(SchemaCouleurs, RougeDansLOctetDePoidsFaible)
{
    EXPECT_EQ(ComposeRVB(255, 0, 0), 255u);
    EXPECT_EQ(ComposeRVB(0, 255, 0), 0xFF00u);
    EXPECT_EQ(ComposeRVB(0, 0, 255), 0xFF0000u);
    for (const quint32 valeur : {0u, 1u, 255u, 256u, 65535u, 65536u, 0x123456u, 0xFFFFFFu}) {
        int r = -1, v = -1, b = -1;
        DecomposeRVB(valeur, r, v, b);
        EXPECT_TRUE(r >= 0 && r <= 255 && v >= 0 && v <= 255 && b >= 0 && b <= 255) << valeur;
        EXPECT_EQ(ComposeRVB(r, v, b), valeur);
    }
    int r = 0, v = 0, b = 0;
    DecomposeRVB(0x123456u, r, v, b);
    EXPECT_EQ(r, 0x56);
    EXPECT_EQ(v, 0x34);
    EXPECT_EQ(b, 0x12);
}

} // namespace
