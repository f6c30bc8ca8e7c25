#include "UPolesZeros.h"
#include "coeur/TextesValeurs.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>

#include "DialogueRattache.h"
#include "GeometrieNormale.h"
#include "MenuImage.h"
#include "coeur/Document.h"

namespace {

const QString Titre = QStringLiteral("Pôles et zéros");

QString Nombre(Reel x) { return QString::fromStdString(NombreEnTexte(x, 4)); }

}  // namespace

TEcranPolesZeros::TEcranPolesZeros(TDocument& document, QMenu& menu, const TOutilsImpression& impression,
                                   QWidget* parent)
    : QMainWindow(parent, DrapeauxFenetrePossedee), document_(document), impression_(impression)
{
    setWindowTitle(Titre);
    ExecuteDialogue = [](QDialog& dialogue) { return dialogue.exec(); };
    valeursImpression_ = ValeursParDefaut(TTypeDiagramme::Evans, TTypeReponse::Aucune);
    PoseGeometrieNormale(*this);
    ZoneClient = new QWidget(this);
    ZoneClient->setAttribute(Qt::WA_OpaquePaintEvent);
    ZoneClient->setMouseTracking(true);
    ZoneClient->installEventFilter(this);
    setCentralWidget(ZoneClient);
    EditLecture = new QLabel(ZoneClient);
    EditLecture->setAutoFillBackground(true);
    EditLecture->setBackgroundRole(QPalette::Base);
    EditLecture->hide();

    QMenuBar* barre = menuBar();
    Fermer1 = barre->addAction(QStringLiteral("Fermer"));
    Grille1 = barre->addAction(QStringLiteral("Grille"));
    Grille1->setCheckable(true);
    Grille1->setChecked(true);
    Imprimer1 = barre->addAction(QStringLiteral("Imprimer"));
    connect(Fermer1, &QAction::triggered, this, &QWidget::close);
    connect(Grille1, &QAction::toggled, ZoneClient, qOverload<>(&QWidget::update));
    connect(Imprimer1, &QAction::triggered, this, &TEcranPolesZeros::Imprimer1Click);
    MenuImage = new TMenuImage(*this, *ZoneClient, [] { return Titre; }, [this](QPainter& surface, const QRect& cible) {
        TracerPolesZeros(surface, cible, document_, Param(), TMiseEnPagePolesZeros::Ecran());
    });

    Commande = menu.addAction(Titre);
    Commande->setObjectName(QStringLiteral("PolesZeros1"));
    Commande->setEnabled(false);
    connect(Commande, &QAction::triggered, this, &TEcranPolesZeros::Affiche);
}

TParamPolesZeros TEcranPolesZeros::Param() const
{
    TParamPolesZeros p;
    p.Grille = Grille1->isChecked();
    return p;
}

void TEcranPolesZeros::MetAJour(bool decomposee)
{
    Commande->setEnabled(decomposee);
    EditLecture->hide();
    if (!decomposee)
        hide();
    ZoneClient->update();
}

void TEcranPolesZeros::Affiche()
{
    show();
    raise();
    activateWindow();
    ZoneClient->update();
}

QString TEcranPolesZeros::TexteLecture(QPoint pixel) const
{
    const std::optional<TRacineDessinee> r = RacineLaPlusProche(dessin_, pixel);
    if (!r)
        return {};
    QString texte = (r->Pole ? QStringLiteral("Pôle ") : QStringLiteral("Zéro "))
                    + QString::fromStdString(ComplexeEnTexte(r->Valeur, 4));
    if (r->Multiplicite > 1)
        texte += QStringLiteral(" (multiplicité %1)").arg(r->Multiplicite);
    return texte + QStringLiteral(" : ζ = ") + Nombre(AmortissementDe(r->Valeur)) + QStringLiteral(" ; ωn = ")
           + Nombre(Module(r->Valeur)) + QStringLiteral(" rad/s");
}

void TEcranPolesZeros::Lit(QPoint pixel)
{
    const QString texte = TexteLecture(pixel);
    EditLecture->setVisible(!texte.isEmpty());
    EditLecture->setText(texte);
    EditLecture->adjustSize();
    EditLecture->move(dessin_.Repere.PixGauche, std::max(0, dessin_.Repere.PixHaut - EditLecture->height()));
}

void TEcranPolesZeros::Imprimer1Click()
{
    const TParamPolesZeros param = Param();
    CommandeImprimer(*this, impression_, ExecuteDialogue, valeursImpression_, Titre,
                     [&](QPainter& p, const QRect& page, int resolution, const TValeursImpression& v) {
                         ImprimePolesZeros(p, page, resolution, document_, param, v);
                     });
}

bool TEcranPolesZeros::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != ZoneClient)
        return QMainWindow::eventFilter(objet, evenement);
    switch (evenement->type()) {
    case QEvent::Paint: {
        QPainter surface(ZoneClient);
        dessin_ = TracerPolesZeros(surface, ZoneClient->rect(), document_, Param(), TMiseEnPagePolesZeros::Ecran());
        return true;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
        Lit(static_cast<QMouseEvent*>(evenement)->position().toPoint());
        return true;
    default:
        return QMainWindow::eventFilter(objet, evenement);
    }
}
