#include "TableauEvans.h"

#include <QStringList>
#include <QTableWidget>

#include "trace/TraceEvans.h"
#include "coeur/TextesValeurs.h"

QString RemplitTableauEvans(QTableWidget& grille, const TTraceEvans& trace)
{
    const TLieuEvans& lieu = trace.Lieu;
    QStringList entetes{QStringLiteral("K")};
    for (int b = 1; b <= lieu.NbBranches; ++b)
        entetes << QStringLiteral("branche ") + QString::number(b);
    grille.clear();
    grille.setColumnCount(int(entetes.size()));
    grille.setRowCount(int(lieu.Points.size()));
    grille.setHorizontalHeaderLabels(entetes);
    QStringList numeros;
    for (std::size_t i = 0; i < lieu.Points.size(); ++i) {
        const TPointLieu& p = lieu.Points[i];
        const int ligne = int(i);
        numeros << TexteEntier(ligne + 1);
        grille.setItem(ligne, 0, new QTableWidgetItem(TexteGeneral(p.K, 7)));
        for (int b = 0; b < lieu.NbBranches; ++b)
            grille.setItem(ligne, b + 1,
                           new QTableWidgetItem(QString::fromStdString(ComplexeEnTexte(p.Racines[std::size_t(b)], 6))));
    }
    grille.setVerticalHeaderLabels(numeros);
    return QStringLiteral("Valeurs du lieu d'Evans");
}
