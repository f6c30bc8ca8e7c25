#pragma once
// Documents analysés et lecture des dessins placés et des pixels, pour les tests des dessins du document.
#include <QImage>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "PolynomesSaisis.h"
#include "coeur/Analyse.h"
#include "coeur/EchellesFrequentielles.h"
#include "trace/DessinPlace.h"

// Un document et le relevé de son dernier tracé fréquentiel, gardé comme la fenêtre le garde.
struct TDocumentEtTrace : TDocument {
    TDocumentEtTrace() = default;
    TDocumentEtTrace(TDocument doc) : TDocument(std::move(doc)) {}
    TTraceFrequentiel Trace;
};

// Garde le relevé rendu par un tracé, rien quand il n'a pas abouti ; vrai s'il a abouti.
inline bool Garde(TDocumentEtTrace& doc, const std::optional<TTraceFrequentiel>& trace)
{
    doc.Trace = trace.value_or(TTraceFrequentiel{});
    return trace.has_value();
}

inline TDocument DocumentAnalyse(const TPolynome& n, const TPolynome& d, Reel tempsMort = 0)
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = n;
    doc.Systeme.Denominateur = d;
    doc.Systeme.TempsMort = tempsMort;
    AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    return doc;
}

// Fonction de transfert par ses coefficients, sans analyse.
inline TDocument DocumentDeCoefs(std::initializer_list<Reel> n, std::initializer_list<Reel> d)
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeDeCoefs(n);
    doc.Systeme.Denominateur = PolynomeDeCoefs(d);
    return doc;
}

inline void ChangeCouleur(TDocument& doc, const QString& cle, int r, int v, int b)
{
    for (TElementCouleur& e : doc.SchemaCouleurs)
        if (e.Cle == cle)
            e.Couleur = ComposeRVB(r, v, b);
}

// Textes posés à l'ordonnée y, de gauche à droite.
inline QStringList TextesSurLigne(const TDessinPlace& dessin, int y)
{
    std::vector<const TTextePlace*> ligne;
    for (const TTextePlace& t : dessin.Textes)
        if (t.Position.y() == y)
            ligne.push_back(&t);
    std::sort(ligne.begin(), ligne.end(),
              [](const TTextePlace* a, const TTextePlace* b) { return a->Position.x() < b->Position.x(); });
    QStringList textes;
    for (const TTextePlace* t : ligne)
        textes << t->Texte;
    return textes;
}

// Le texte posé à cette place, ou nullptr.
inline const TTextePlace* TexteEn(const TDessinPlace& dessin, const QString& texte, QPoint place)
{
    for (const TTextePlace& t : dessin.Textes)
        if (t.Texte == texte && t.Position == place)
            return &t;
    return nullptr;
}

inline int NombreDeTextes(const TDessinPlace& dessin, const QString& texte)
{
    return int(std::count_if(dessin.Textes.begin(), dessin.Textes.end(),
                             [&](const TTextePlace& t) { return t.Texte == texte; }));
}

inline QImage ImageBlanche(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Pixels de la zone dont chaque composante est à `ecart` près de la couleur (le lissage des
// caractères mélange les bords au fond, le cœur des traits garde la couleur).
inline int PixelsDeCouleur(const QImage& image, const QRect& zone, const QColor& couleur, int ecart = 60)
{
    int n = 0;
    const QRect dedans = zone.intersected(image.rect());
    for (int y = dedans.top(); y <= dedans.bottom(); ++y)
        for (int x = dedans.left(); x <= dedans.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - couleur.red()) <= ecart && std::abs(c.green() - couleur.green()) <= ecart
                && std::abs(c.blue() - couleur.blue()) <= ecart)
                ++n;
        }
    return n;
}
