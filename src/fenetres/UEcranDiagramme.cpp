#include "UEcranDiagramme.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "coeur/Document.h"
#include "DialogueFichier.h"
#include "ExportExcel.h"
#include "GeometrieNormale.h"
#include "Messages.h"
#include "LectureSouris.h"
#include "MenuImage.h"
#include "NomsComposants.h"
#include "coeur/EchantillonsFrequentiels.h"
#include "coeur/TextesMarges.h"
#include "trace/TraceDiagramme.h"
#include "UEcranTabVal.h"
#include "USaisieParamBlack.h"
#include "USaisieParamBode.h"
#include "USaisieParamNyquist.h"
#include "LectureEvans.h"
#include "USaisieParamEvans.h"

namespace {

constexpr TTypeDiagramme Diagrammes[] = {TTypeDiagramme::Bode, TTypeDiagramme::Nyquist, TTypeDiagramme::Black};

QString NomVue(TTypeDiagramme type)
{
    switch (type) {
    case TTypeDiagramme::Nyquist:
        return QStringLiteral("Diagramme de Nyquist");
    case TTypeDiagramme::Black:
        return QStringLiteral("Diagramme de Black");
    default:
        return QStringLiteral("Diagramme de Bode");
    }
}

}

TEcranDiagramme::TEcranDiagramme(TDocument& document, TEchellesBode& echellesBode,
                                 TEchellesNyquist& echellesNyquist, TEchellesBlack& echellesBlack, QWidget* parent)
    : QMainWindow(parent, DrapeauxFenetrePossedee), document_(document), echellesBode_(echellesBode), echellesNyquist_(echellesNyquist),
      echellesBlack_(echellesBlack)
{
    setWindowTitle(QStringLiteral("EcranDiagramme"));
    ExecuteDialogue = [](QDialog& dialogue) { return dialogue.exec(); };
    ChoixFichier = ExecuteDialogueFichier;
    // Sans taille donnée avant la maximisation, la fenêtre rendue à sa taille normale serait minuscule.
    PoseGeometrieNormale(*this);
    setWindowState(Qt::WindowMaximized);
    ZoneClient = new QWidget(this);
    // Chaque peinture couvre toute la zone : rien à effacer avant.
    ZoneClient->setAttribute(Qt::WA_OpaquePaintEvent);
    ZoneClient->installEventFilter(this);
    setCentralWidget(ZoneClient);
    EditFreq = CreeChampLecture();
    EditPuls = CreeChampLecture();
    EditReel = CreeChampLecture();
    EditIm = CreeChampLecture();
    EditGf = CreeChampLecture();
    EditPhif = CreeChampLecture();
    EditEvans = CreeChampLecture();
    EditEvans->setMinimumHeight(0);
    EditEvans->setMaximumHeight(QWIDGETSIZE_MAX);
    CreeMenu();
    NommeComposants(this, QStringLiteral("EcranDiagramme"),
                    {{EditFreq, "EditFreq"}, {EditPuls, "EditPuls"}, {EditReel, "EditReel"}, {EditIm, "EditIm"},
                     {EditGf, "EditGf"}, {EditPhif, "EditPhif"}, {Fermer1, "Fermer1"}, {Echelles1, "Echelles1"},
                     {Imprimer1, "Imprimer1"}, {AbaquedeNichols1, "AbaquedeNichols1"},
                     {AbaquedeNichols1->menuAction(), "AbaquedeNichols1"}, {Dessiner1, "Dessiner1"},
                     {Effacer1, "Effacer1"}, {ExportExcel1, "ExportExcel1"}, {Tableau1, "Tableau1"},
                     {Marges1, "Marges1"}, {Asymptotes1, "Asymptotes1"}});
    document_.TypeDiagramme = TTypeDiagramme::Aucun;
}

void TEcranDiagramme::CreeMenu()
{
    QMenuBar* barre = menuBar();
    Fermer1 = barre->addAction(QStringLiteral("Fermer"));
    Echelles1 = barre->addAction(QStringLiteral("Echelles"));
    Imprimer1 = barre->addAction(QStringLiteral("Imprimer"));
    AbaquedeNichols1 = barre->addMenu(QStringLiteral("Abaque de Nichols"));
    Dessiner1 = AbaquedeNichols1->addAction(QStringLiteral("Dessiner"));
    Effacer1 = AbaquedeNichols1->addAction(QStringLiteral("Effacer"));
    ExportExcel1 = barre->addAction(QStringLiteral("Export Excel"));
    Tableau1 = barre->addAction(QStringLiteral("Tableau"));
    Marges1 = barre->addAction(QStringLiteral("Marges"));
    Marges1->setCheckable(true);
    Asymptotes1 = barre->addAction(QStringLiteral("Asymptotes"));
    Asymptotes1->setCheckable(true);
    AbaquedeNichols1->menuAction()->setEnabled(false);

    connect(Fermer1, &QAction::triggered, this, &QWidget::close);
    connect(Echelles1, &QAction::triggered, this, &TEcranDiagramme::Echelles1Click);
    connect(Dessiner1, &QAction::triggered, this, &TEcranDiagramme::Dessiner1Click);
    connect(Effacer1, &QAction::triggered, this, &TEcranDiagramme::Effacer1Click);
    connect(Tableau1, &QAction::triggered, this, &TEcranDiagramme::Tableau1Click);
    connect(Marges1, &QAction::toggled, ZoneClient, qOverload<>(&QWidget::update));
    connect(Asymptotes1, &QAction::toggled, ZoneClient, qOverload<>(&QWidget::update));
    connect(ExportExcel1, &QAction::triggered, this, &TEcranDiagramme::ExportExcel1Click);
    connect(Imprimer1, &QAction::triggered, this, &TEcranDiagramme::Imprimer1Click);
    MenuImage = new TMenuImage(*this, *ZoneClient, [this] { return NomVue(document_.TypeDiagramme); },
                               [this](QPainter& surface, const QRect& cible) { Dessine(surface, cible); });
}

QLabel* TEcranDiagramme::CreeChampLecture()
{
    auto* champ = new QLabel(ZoneClient);
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(12);
    champ->setFont(police);
    champ->setAutoFillBackground(true);
    champ->setBackgroundRole(QPalette::Base);
    champ->setFixedHeight(QFontMetrics(police).height());
    champ->hide();
    return champ;
}

void TEcranDiagramme::DefinitCommandesPrincipales(QAction* diagBode, QAction* diagNyquist, QAction* diagBlack,
                                                  ActivationCommande activer)
{
    commandes_ = {diagBode, diagNyquist, diagBlack};
    activer_ = std::move(activer);
}

void TEcranDiagramme::DefinitTableau(TEcranTabVal* tableau)
{
    tableau_ = tableau;
}

void TEcranDiagramme::DefinitEchellesEvans(TEchellesEvans* echelles)
{
    echellesEvans_ = echelles;
}

TDialogueEchelles* TEcranDiagramme::DialogueDe(TTypeDiagramme type) const
{
    switch (type) {
    case TTypeDiagramme::Bode:
        return &echellesBode_;
    case TTypeDiagramme::Nyquist:
        return &echellesNyquist_;
    case TTypeDiagramme::Black:
        return &echellesBlack_;
    case TTypeDiagramme::Evans:
        return echellesEvans_;
    case TTypeDiagramme::Aucun:
        break;
    }
    return nullptr;
}

QAction* TEcranDiagramme::CommandeDe(TTypeDiagramme type) const
{
    const auto rang = std::find(std::begin(Diagrammes), std::end(Diagrammes), type) - std::begin(Diagrammes);
    return commandes_[std::size_t(rang)];
}

void TEcranDiagramme::CommandeDiagramme(TTypeDiagramme type)
{
    if (DialogueDe(type) && ExecuteDialogue(*DialogueDe(type)) == QDialog::Accepted)
        Montre(type);
}

void TEcranDiagramme::Montre(TTypeDiagramme type)
{
    document_.TypeDiagramme = type;
    ActiveMarges();
    if (activer_)
        for (TTypeDiagramme autre : Diagrammes)
            if (autre != type && CommandeDe(autre))
                activer_(CommandeDe(autre), false);
    MontreDevant(*this);
    ZoneClient->update();
}

TDemandeDiagramme TEcranDiagramme::Demande()
{
    TDemandeDiagramme demande;
    demande.Type = document_.TypeDiagramme;
    demande.Bode = echellesBode_.Parametres();
    demande.Nyquist = echellesNyquist_.Parametres();
    demande.Black = echellesBlack_.Parametres();
    if (echellesEvans_)
        demande.Evans = echellesEvans_->Parametres();
    demande.LieuxAbaque = &lieuxAbaque_;
    demande.EvansPrecedent = &trace_.Evans;
    if (Marges1->isChecked())
        demande.Marges = &MargesDuDocument(document_);
    demande.Asymptotes = Asymptotes1->isChecked();
    return demande;
}

TResultatDiagramme TEcranDiagramme::Dessine(QPainter& surface, const QRect& cible)
{
    AbaquedeNichols1->menuAction()->setEnabled(document_.TypeDiagramme == TTypeDiagramme::Black);
    Asymptotes1->setEnabled(document_.TypeDiagramme == TTypeDiagramme::Bode);
    // Le lieu d'Evans n'a pas de feuille dans le modèle des diagrammes.
    ExportExcel1->setEnabled(document_.TypeDiagramme != TTypeDiagramme::Evans);
    ActiveMarges();
    return TracerDiagramme(surface, cible, document_, Demande());
}

void TEcranDiagramme::DefinitImpression(const TOutilsImpression& outils)
{
    impression_ = outils;
}

void TEcranDiagramme::Imprimer1Click()
{
    const TDemandeDiagramme demande = Demande();
    CommandeImprimer(*this, impression_, ExecuteDialogue, valeursImpression_, TitreTravail(demande.Type),
                     [&](QPainter& p, const QRect& page, int resolution, const TValeursImpression& v) {
                         ImprimeDiagramme(p, page, resolution, document_, demande, v);
                     });
}

void TEcranDiagramme::Echelles1Click()
{
    TDialogueEchelles* dialogue = DialogueDe(document_.TypeDiagramme);
    if (!dialogue)
        return;
    if (ExecuteDevant(*dialogue, *this, ExecuteDialogue))
        ZoneClient->update();
}

void TEcranDiagramme::Dessiner1Click()
{
    document_.AbaqueVisible = true;
    ZoneClient->update();
}

void TEcranDiagramme::Effacer1Click()
{
    document_.AbaqueVisible = false;
    ZoneClient->update();
}

void TEcranDiagramme::Tableau1Click()
{
    if (tableau_)
        tableau_->Tableau();
}

void TEcranDiagramme::EteintMarges()
{
    Marges1->setChecked(false);
}

// Le lieu d'Evans ne montre pas de marges : la commande y est grisée, et éteinte.
void TEcranDiagramme::ActiveMarges()
{
    const bool frequentiel = document_.TypeDiagramme != TTypeDiagramme::Evans;
    if (!frequentiel)
        EteintMarges();
    Marges1->setEnabled(frequentiel);
}

void TEcranDiagramme::ExportExcel1Click()
{
    ExporteExcel(*this, document_, {TSujetExport::Diagramme, trace_.Frequentiel.Echelles, {}}, ChoixFichier);
}

void TEcranDiagramme::SourisEnfoncee(QPoint clic)
{
    if (document_.TypeDiagramme == TTypeDiagramme::Evans) {
        LectureEvans(clic);
        return;
    }
    const std::optional<int> indice = PointTouche(trace_, clic);
    if (!indice)
        return;
    const QStringList lignes = LignesLecture(trace_, *indice);
    const QFontMetrics mesure(EditFreq->font());
    int largeur = 0;
    for (const QString& ligne : lignes)
        largeur = std::max(largeur, mesure.horizontalAdvance(ligne));
    const int h = EditFreq->height();
    const int nbLignes = int(lignes.size());
    const QPoint coin = CoinBloc(clic, QSize(largeur, nbLignes * h + nbLignes - 1), ZoneClient->size());
    QLabel* const champs[] = {EditFreq, EditPuls, EditReel, EditIm, EditGf, EditPhif};
    for (int k = 0; k < 6; ++k) {
        if (k >= nbLignes) {
            champs[k]->hide();
            continue;
        }
        champs[k]->setText(lignes[k]);
        champs[k]->setGeometry(coin.x(), coin.y() + k * (h + 1), largeur, h);
        champs[k]->show();
    }
}

// Le K lu devient celui que « Boucle fermée… » propose.
void TEcranDiagramme::LectureEvans(QPoint clic)
{
    const std::optional<std::size_t> indice = PointEvansTouche(trace_, clic);
    if (!indice)
        return;
    const QStringList lignes = LignesLectureEvans(trace_.Evans, *indice);
    document_.Evans.GainLu = trace_.Evans.Lieu.Points[*indice].K;
    EditEvans->setText(lignes.join(QLatin1Char('\n')));
    const QSize taille = EditEvans->sizeHint();
    EditEvans->setGeometry(QRect(CoinBloc(clic, taille, ZoneClient->size()), taille));
    EditEvans->show();
}

void TEcranDiagramme::SourisRelachee()
{
    for (QLabel* champ : {EditFreq, EditPuls, EditReel, EditIm, EditGf, EditPhif, EditEvans})
        champ->hide();
}

void TEcranDiagramme::closeEvent(QCloseEvent* evenement)
{
    document_.TypeDiagramme = TTypeDiagramme::Aucun;
    SourisRelachee();
    const bool commandesConnues = activer_ && std::all_of(commandes_.begin(), commandes_.end(),
                                                          [](const QAction* c) { return c != nullptr; });
    if (commandesConnues)
        for (QAction* commande : commandes_)
            activer_(commande, true);
    else
        AfficheMessage(QStringLiteral("EcranDiagramme: fermeture: erreur"));
    evenement->accept();
}

bool TEcranDiagramme::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != ZoneClient)
        return QMainWindow::eventFilter(objet, evenement);
    switch (evenement->type()) {
    case QEvent::Paint: {
        QPainter surface(ZoneClient);
        trace_ = Dessine(surface, ZoneClient->rect()).Dessin;
        return true;
    }
    case QEvent::MouseButtonPress:
        SourisEnfoncee(static_cast<QMouseEvent*>(evenement)->position().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        SourisRelachee();
        return true;
    default:
        return QMainWindow::eventFilter(objet, evenement);
    }
}
