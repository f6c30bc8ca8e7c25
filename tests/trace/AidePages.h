#pragma once
// Les cinq pages imprimées d'un même document stable, avec retard, pour les tests du papier.
#include <QImage>
#include <QPainter>
#include <functional>
#include <vector>

#include "DocumentsDessin.h"
#include "trace/PageImprimee.h"

// 1 / (1 + p + 0,5 p²), retard 0,5 s : les deux lignes de la formule ont des puissances.
inline TDocument DocumentDesPages()
{
    TDocument doc = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1, 0.5L}), 0.5L);
    doc.AbaqueVisible = true;
    return doc;
}

using TImprimePage =
    std::function<TCadrePage(QPainter& p, const QRect& page, int resolution, TDocument& doc, const TValeursImpression& v)>;

struct TPageDeTest {
    const char* Nom;
    QString TitreTravail;
    QString TitreDessin;
    TImprimePage Imprime;
};

inline TImprimePage PageDiagramme(TTypeDiagramme type)
{
    return [type](QPainter& p, const QRect& page, int resolution, TDocument& doc, const TValeursImpression& v) {
        TDemandeDiagramme d;
        d.Type = type;
        d.Bode = {0.01L, 100, -60, 10, QStringLiteral("titre de l'écran")};
        d.Nyquist = {0.01L, 100, -1, 1.5L, -1.5L, 0.5L, QStringLiteral("titre de l'écran"), true};
        d.Black = {0.01L, 100, -60, 10, QStringLiteral("titre de l'écran"), true, false};
        return ImprimeDiagramme(p, page, resolution, doc, d, v);
    };
}

inline TImprimePage PageReponse(TTypeReponse type)
{
    return [type](QPainter& p, const QRect& page, int resolution, TDocument& doc, const TValeursImpression& v) {
        TDemandeReponse d;
        d.Type = type;
        d.Param = {0, 1, 1, 10, 0, type == TTypeReponse::Rampe ? Reel(10) : Reel(1.2L), QStringLiteral("V")};
        return ImprimeReponse(p, page, resolution, doc, d, v);
    };
}

inline std::vector<TPageDeTest> CinqPages()
{
    return {{"Bode", TitreTravail(TTypeDiagramme::Bode), "Diagramme de Bode", PageDiagramme(TTypeDiagramme::Bode)},
            {"Nyquist", TitreTravail(TTypeDiagramme::Nyquist), "Diagramme de Nyquist",
             PageDiagramme(TTypeDiagramme::Nyquist)},
            {"Black", TitreTravail(TTypeDiagramme::Black), "Diagramme de Black", PageDiagramme(TTypeDiagramme::Black)},
            {"Echelon", TitreTravail(TTypeReponse::Indicielle), "Réponse à un échelon en entrée",
             PageReponse(TTypeReponse::Indicielle)},
            {"Rampe", TitreTravail(TTypeReponse::Rampe), "Réponse à une rampe en entrée",
             PageReponse(TTypeReponse::Rampe)}};
}

// Valeurs par défaut du dialogue pour un A4 : 180 x 240 (moins 35 pour la formule), marges 15.
inline TValeursImpression ValeursA4(const QString& titre = {})
{
    return {180, 240 - 35, 15, 15, titre};
}
