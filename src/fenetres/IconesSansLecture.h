#pragma once
// Icônes et types des fichiers pour les dialogues d'ouverture et d'enregistrement.
#include <QFileIconProvider>
#include <QObject>

class QFileDialog;

// Tout se décide sur le nom et la nature de l'entrée, jamais sur son contenu : lire un
// fichier comme /proc/kmsg pour en deviner le type bloquerait le programme pour de bon.
// L'objet est enfant du dialogue, créé après son modèle, donc détruit après lui.
class TIconesSansLecture : public QObject, public QFileIconProvider {
public:
    explicit TIconesSansLecture(QFileDialog& dialogue);

    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};
