#pragma once
// Image JPEG décodée par libjpeg, sans passer par les greffons d'image de Qt.
#include <QImage>
#include <QString>

// Rend false, avec la raison en français dans `erreur`, pour un fichier absent ou abîmé.
bool LitImageJpeg(const QString& chemin, QImage& image, QString& erreur);
