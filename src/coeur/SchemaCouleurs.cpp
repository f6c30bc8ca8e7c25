#include "SchemaCouleurs.h"

namespace {
TSchemaCouleurs FabriqueSchemaDefaut()
{
    return {{
        {QStringLiteral("Ecran principal: Fond de l'écran"), QStringLiteral("EPFond"), 16777215},
        {QStringLiteral("Ecran principal: Titre"), QStringLiteral("EPTitre"), 32768},
        {QStringLiteral("Ecran principal: Formules"), QStringLiteral("EPFormule"), 16711680},
        {QStringLiteral("Ecran principal: Cadre des formules"), QStringLiteral("EPCadre"), 16711680},
        {QStringLiteral("Eléments simples: Fond de la fenêtre"), QStringLiteral("ESFond"), 16777215},
        {QStringLiteral("Eléments simples: Titres"), QStringLiteral("ESTitre"), 32896},
        {QStringLiteral("Eléments simples: Formule"), QStringLiteral("ESFormule"), 32896},
        {QStringLiteral("Diagrammes: Fond de la fenêtre"), QStringLiteral("DFond"), 16777215},
        {QStringLiteral("Diagrammes: Axes"), QStringLiteral("DAxe"), 16711680},
        {QStringLiteral("Diagrammes: Quadrillage"), QStringLiteral("DQuadrillage"), 49848},
        {QStringLiteral("Diagrammes: Echelles"), QStringLiteral("DEchelle"), 16711680},
        {QStringLiteral("Diagrammes: Courbes"), QStringLiteral("DCourbe"), 255},
        {QStringLiteral("Diagrammes: Contour des marques"), QStringLiteral("DContMarque"), 255},
        {QStringLiteral("Diagrammes: Intérieur des marques"), QStringLiteral("DIntMarque"), 65535},
        {QStringLiteral("Diagrammes: Nom du diagramme"), QStringLiteral("DNom"), 0},
        {QStringLiteral("Diagrammes: Titre"), QStringLiteral("DTitre"), 8388608},
        {QStringLiteral("Diagrammes: Cadre"), QStringLiteral("DCadre"), 0},
        {QStringLiteral("Diagrammes: Consigne"), QStringLiteral("DConsigne"), 51200},
        {QStringLiteral("Abaque de Nichols: Gain"), QStringLiteral("NGain"), 16711935},
        {QStringLiteral("Abaque de Nichols: Phase"), QStringLiteral("NPhase"), 12632256},
    }};
}
}

const TSchemaCouleurs& SchemaDefaut()
{
    static const TSchemaCouleurs schema = FabriqueSchemaDefaut();
    return schema;
}

quint32 CouleurDe(const TSchemaCouleurs& schema, const QString& cle)
{
    for (const TElementCouleur& element : schema)
        if (element.Cle == cle)
            return element.Couleur;
    return 0;
}

quint32 ComposeRVB(int r, int v, int b)
{
    return quint32(b) * 65536u + quint32(v) * 256u + quint32(r);
}

void DecomposeRVB(quint32 valeur, int& r, int& v, int& b)
{
    b = int(valeur / 65536u);
    v = int((valeur - quint32(b) * 65536u) / 256u);
    r = int(valeur % 256u);
}
