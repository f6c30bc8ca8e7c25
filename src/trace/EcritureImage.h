#pragma once
// Image d'un dessin écrite dans un fichier PNG, SVG ou PDF, choisi par son extension.
// Les fenêtres (« Enregistrer sous… ») et kovra-calcul --image passent toutes par ici.
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;

enum class TFormatImage { Inconnu, Png, Svg, Pdf };

// Par l'extension, sans égard à la casse.
TFormatImage FormatImageDe(const QString& chemin);

using TDessinImage = std::function<void(QPainter& surface, const QRect& cible)>;

// Le dessin rendu dans une image opaque de cette taille, comme à l'écran.
QImage ImageDessinee(QSize taille, const TDessinImage& dessin);

// Une image d'au plus 256 couleurs en couleurs indexées, pixel pour pixel ; sinon elle-même.
// Une palette de quelques couleurs s'encode bien plus vite et bien plus petit.
QImage EnCouleursIndexees(const QImage& image);

// PNG, sans perte, en couleurs indexées quand l'image s'y prête.
bool EcritPng(const QImage& image, QIODevice& sortie);

// Écrit le fichier d'un coup : l'ancien fichier reste intact si l'écriture échoue. Faux et
// la raison en français sinon.
bool EcritImage(const QString& chemin, QSize taille, const TDessinImage& dessin, QString& erreur);
