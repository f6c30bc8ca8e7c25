#include "UEcranTabVal.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "trace/TraceDiagramme.h"
#include "coeur/GrandeursPoints.h"
#include "NomsComposants.h"
#include "coeur/TextesValeurs.h"
#include "TableauEvans.h"

namespace {

constexpr int HauteurLigne = 24;
constexpr int HauteurClient = 560;

QString TitreDe(TTypeDiagramme type)
{
    switch (type) {
    case TTypeDiagramme::Bode:
        return QStringLiteral("Valeurs du diagramme de Bode");
    case TTypeDiagramme::Nyquist:
        return QStringLiteral("Valeurs du diagramme de Nyquist");
    case TTypeDiagramme::Black:
        return QStringLiteral("Valeurs du diagramme de Black");
    case TTypeDiagramme::Evans:
    case TTypeDiagramme::Aucun:
        break;
    }
    return {};
}

// La fréquence et la pulsation parcourent des décades : des chiffres significatifs, pas un
// nombre fixe de décimales qui écrirait 0,0001 sur toute une décade.
QString TexteColonne(Reel valeur, TGrandeur g)
{
    if (g == TGrandeur::Frequence || g == TGrandeur::Pulsation)
        return TexteGeneral(valeur, 6).rightJustified(11, u' ');
    return TexteFixe(valeur, 7, 3);
}

// Place prise autour de la zone cliente par la barre de titre et les bords, avant que la
// fenêtre ne soit montrée une première fois.
const QSize DecorEstime(8, 32);

QString TexteCorrections(const TTraceDiagramme& trace)
{
    QStringList lignes;
    if (trace.Type == TTypeDiagramme::Bode && trace.Asymptotes)
        for (const TCassure& c : trace.Asymptotes->Bode.Cassures)
            if (c.Origine == OrigineCassure::Paire)
                lignes << QStringLiteral("Correction de résonance en ωn = ") + TexteGeneral(c.Pulsation, 6)
                              + QStringLiteral(" rad/s (ζ = ") + TexteGeneral(c.Amortissement, 4)
                              + QStringLiteral(") : ") + TexteGeneral(c.CorrectionResonance, 4)
                              + QStringLiteral(" dB");
    return lignes.join(u'\n');
}

void EcritCellule(QTableWidget* grille, int ligne, int colonne, const QString& texte)
{
    grille->setItem(ligne, colonne, new QTableWidgetItem(texte));
}

}

TEcranTabVal::TEcranTabVal(const TTraceDiagramme& trace, QWidget* parent)
    : QWidget(parent, Qt::Window), trace_(trace)
{
    TabVal = new QTableWidget(this);
    // La grille suit la fenêtre, agrandie ou maximisée, à un pixel du bord.
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(1, 1, 1, 1);
    disposition->addWidget(TabVal);
    Corrections = new QLabel(this);
    Corrections->hide();
    disposition->addWidget(Corrections);
    NommeComposants(this, QStringLiteral("EcranTabVal"), {{TabVal, "TabVal"}, {Corrections, "Corrections"}});
    QFont police(QStringLiteral("Courier New"));
    police.setPixelSize(15);
    TabVal->setFont(police);
    TabVal->horizontalHeader()->setFont(police);
    TabVal->verticalHeader()->setFont(police);
    TabVal->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background-color: rgb(166, 202, 240); border: none;"
        " border-right: 1px solid gray; border-bottom: 1px solid gray; padding: 0px 2px; }"));
    TabVal->verticalHeader()->setMinimumSectionSize(HauteurLigne);
    TabVal->verticalHeader()->setDefaultSectionSize(HauteurLigne);
    TabVal->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TabVal->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TabVal->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    TabVal->setShowGrid(true);
    TabVal->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TabVal->setSelectionMode(QAbstractItemView::ContiguousSelection);
    TabVal->setSelectionBehavior(QAbstractItemView::SelectItems);
}

void TEcranTabVal::Tableau()
{
    const TTypeDiagramme type = trace_.Type;
    if (type == TTypeDiagramme::Aucun)
        return;
    Corrections->setText(TexteCorrections(trace_));
    Corrections->setVisible(!Corrections->text().isEmpty());
    if (type == TTypeDiagramme::Evans) {
        setWindowTitle(RemplitTableauEvans(*TabVal, trace_.Evans));
        TabVal->resizeColumnsToContents();
        TabVal->scrollToTop();
        Dimensionne(TabVal->verticalHeader()->sizeHint().width() + TabVal->horizontalHeader()->length() +
                    TabVal->verticalScrollBar()->sizeHint().width() + 2 * TabVal->frameWidth());
        show();
        raise();
        return;
    }
    const QFontMetrics mesure(QFont(QStringLiteral("Courier New"), 11));
    const int w14 = mesure.horizontalAdvance(QStringLiteral("12345678901234"));
    const int w4 = mesure.horizontalAdvance(QStringLiteral("1234"));
    const std::vector<TGrandeur>& colonnes = ColonnesTableau(type);
    const int nbColonnes = static_cast<int>(colonnes.size());
    const int nbPoints = trace_.Frequentiel.Echelles.NbPoints;

    setWindowTitle(TitreDe(type));
    TabVal->setUpdatesEnabled(false);
    // Les lignes d'un tracé précédent plus long ne doivent pas rester.
    TabVal->clear();
    TabVal->setColumnCount(nbColonnes);
    TabVal->setRowCount(nbPoints);
    QStringList entetes;
    for (const TGrandeur g : colonnes)
        entetes << TitreTableau(g);
    TabVal->setHorizontalHeaderLabels(entetes);
    QStringList numeros;
    for (int r = 1; r <= nbPoints; ++r) {
        const TPointFrequentiel& p = trace_.Frequentiel.Points[r];
        numeros.append(TexteEntier(r));
        for (int c = 0; c < nbColonnes; ++c) {
            const TGrandeur g = colonnes[std::size_t(c)];
            EcritCellule(TabVal, r - 1, c, TexteColonne(ValeurDuPoint(p, type, g), g));
        }
    }
    TabVal->setVerticalHeaderLabels(numeros);
    for (int c = 0; c < nbColonnes; ++c)
        TabVal->setColumnWidth(c, w14);
    TabVal->verticalHeader()->setFixedWidth(w4 + 5);
    // Un nouveau tracé se lit depuis sa première ligne.
    TabVal->scrollToTop();
    TabVal->setUpdatesEnabled(true);

    Dimensionne(nbColonnes * w14 + w4 + (type == TTypeDiagramme::Black ? 35 : 32));
    show();
    raise();
    activateWindow();
}

QRect PlaceTableau(QSize voulue, const QRect& dispo, QSize decor)
{
    const int largeur = std::min(voulue.width(), dispo.width() - decor.width());
    const int hauteur = std::min(voulue.height(), dispo.height() - decor.height());
    const int x = std::clamp(dispo.left() + 20, dispo.left(), dispo.right() + 1 - largeur - decor.width());
    const int y = std::clamp(dispo.top() + 120, dispo.top(), dispo.bottom() + 1 - hauteur - decor.height());
    return QRect(x, y, largeur, hauteur);
}

void TEcranTabVal::Dimensionne(int largeurGrille)
{
    // Maximisée par l'utilisateur, la fenêtre le reste.
    if (isMaximized())
        return;
    const QSize voulue(largeurGrille + 2, HauteurClient);
    const QScreen* ecran = screen();
    if (!ecran) {
        resize(voulue);
        move(20, 120);
        return;
    }
    const QSize vu = frameGeometry().size() - size();
    const QRect place = PlaceTableau(voulue, ecran->availableGeometry(), isVisible() && !vu.isEmpty() ? vu : DecorEstime);
    resize(place.size());
    move(place.topLeft());
}
