#pragma once
// Lecture d'un PDF écrit par le programme : son texte par pdftotext, ses propriétés par pdfinfo.
#include <QProcess>
#include <QString>
#include <QStringList>

inline QString SortieDe(const QString& programme, const QStringList& arguments)
{
    QProcess processus;
    processus.start(programme, arguments);
    if (!processus.waitForFinished(60000) || processus.exitCode() != 0)
        return QString();
    return QString::fromUtf8(processus.readAllStandardOutput());
}

inline QString TexteDuPdf(const QString& chemin)
{
    return SortieDe(QStringLiteral("pdftotext"), {chemin, QStringLiteral("-")});
}

inline QString InfosDuPdf(const QString& chemin)
{
    return SortieDe(QStringLiteral("pdfinfo"), {chemin});
}

// Valeur d'une ligne « Clé:   valeur » de pdfinfo.
inline QString InfoDuPdf(const QString& chemin, const QString& cle)
{
    for (const QString& ligne : InfosDuPdf(chemin).split(u'\n'))
        if (ligne.startsWith(cle + u':'))
            return ligne.mid(cle.size() + 1).trimmed();
    return QString();
}
