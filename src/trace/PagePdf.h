#pragma once
// Une page A4 écrite en PDF : l'impression sans imprimante et kovra-calcul --image passent par ici.
#include <QPageLayout>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;

// Peint la page dans ce rectangle, à cette résolution en pixels par pouce.
using TPeintPage = std::function<void(QPainter& p, const QRect& page, int resolution)>;

// Écrit une page A4 de PDF ; un fichier existant n'est remplacé que par un fichier complet.
// Faux, avec la raison en français, quand le fichier ne peut pas être écrit.
bool EcritPdf(const QString& chemin, const QString& titre, QPageLayout::Orientation orientation,
              const TPeintPage& peint, QString& erreur);
