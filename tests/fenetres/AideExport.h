#pragma once
// Dialogues de fichiers de l'export répondus dans l'ordre, sans exec() : chaque dialogue
// ouvert est noté (titre, dossier, nom proposé, filtre).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QProgressBar>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

inline const QString ModeleDiagrammes = QStringLiteral(KOVRA_FICHIERS "/modèle diagrammes.xlsx");
inline const QString ModeleReponses = QStringLiteral(KOVRA_FICHIERS "/modèle réponses temporelles.xlsx");

struct TChoixExport {
    QStringList Reponses;  // vide : l'utilisateur renonce
    QStringList Titres;
    QStringList Dossiers;
    QStringList Noms;
    QStringList Filtres;

    std::function<QString(QFileDialog&)> Fonction()
    {
        return [this](QFileDialog& d) {
            Titres << d.windowTitle();
            Dossiers << d.directory().absolutePath();
            Noms << d.selectedFiles().value(0);
            Filtres << d.nameFilters().join(u';');
            return Reponses.isEmpty() ? QString() : Reponses.takeFirst();
        };
    }
};

// Plus de curseur d'attente ni de barre de progression.
inline bool AttenteTerminee(const QWidget& fenetre)
{
    return !QApplication::overrideCursor() && fenetre.findChildren<QProgressBar*>().isEmpty();
}

// Un dossier de test : « fichiers/ » du programme avec la copie de ses modèles, les documents de
// l'utilisateur à côté, et son propre dossier temporaire, que chaque export doit laisser vide.
class DossiersExport {
public:
    DossiersExport() : ancienTemporaire_(qgetenv("TMPDIR"))
    {
        QDir(racine_.path()).mkpath(QStringLiteral("fichiers"));
        QDir(racine_.path()).mkpath(QStringLiteral("tmp"));
        for (const QString& modele : {ModeleDiagrammes, ModeleReponses})
            QFile::copy(modele, Fichiers() + QFileInfo(modele).fileName());
        qputenv("TMPDIR", racine_.filePath(QStringLiteral("tmp")).toUtf8());
    }
    ~DossiersExport() { qputenv("TMPDIR", ancienTemporaire_); }
    DossiersExport(const DossiersExport&) = delete;
    DossiersExport& operator=(const DossiersExport&) = delete;

    QString Fichiers() const { return racine_.filePath(QStringLiteral("fichiers")) + QStringLiteral("/"); }
    QString Document(const QString& nom) const { return racine_.filePath(nom); }
    QString Racine() const { return racine_.path(); }
    // Ce que contient le dossier temporaire, sous-dossiers compris.
    QStringList Temporaires() const
    {
        QStringList restes;
        QDir tmp(racine_.filePath(QStringLiteral("tmp")));
        for (const QString& e : tmp.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            restes << e;
        return restes;
    }

private:
    QTemporaryDir racine_;
    QByteArray ancienTemporaire_;
};
