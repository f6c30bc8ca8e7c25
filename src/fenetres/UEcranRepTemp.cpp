#include "UEcranRepTemp.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>

#include "DialogueFichier.h"
#include "ExportExcel.h"
#include "GeometrieNormale.h"
#include "MenuImage.h"
#include "NomsComposants.h"
#include "UEchRepIndic.h"
#include "UEchRepRampe.h"
#include "coeur/Document.h"
#include "trace/TraceDiagramme.h"

TEcranRepTemp::TEcranRepTemp(TDocument& document, QWidget* parent)
    : QMainWindow(parent, DrapeauxFenetrePossedee), document_(document)
{
    setWindowTitle(QStringLiteral("Ecran Réponses Temporelles"));
    ExecuteDialogue = [](QDialog& dialogue) { return dialogue.exec(); };
    ChoixFichier = ExecuteDialogueFichier;
    PoseGeometrieNormale(*this);
    setWindowState(Qt::WindowMaximized);
    QPalette blanc = palette();
    blanc.setColor(QPalette::Window, Qt::white);
    setPalette(blanc);
    ZoneClient = new QWidget(this);
    // Chaque peinture couvre toute la zone : rien à effacer avant.
    ZoneClient->setAttribute(Qt::WA_OpaquePaintEvent);
    ZoneClient->installEventFilter(this);
    setCentralWidget(ZoneClient);

    QMenuBar* barre = menuBar();
    Quitter1 = barre->addAction(QStringLiteral("Quitter"));
    Echelles1 = barre->addAction(QStringLiteral("Echelles"));
    Imprimer1 = barre->addAction(QStringLiteral("Imprimer"));
    ExportExcel1 = barre->addAction(QStringLiteral("Export Excel"));
    Caracteristiques1 = barre->addAction(QStringLiteral("Caractéristiques"));
    Caracteristiques1->setCheckable(true);
    connect(Caracteristiques1, &QAction::toggled, ZoneClient, qOverload<>(&QWidget::update));
    connect(Quitter1, &QAction::triggered, this, &QWidget::close);
    connect(Echelles1, &QAction::triggered, this, &TEcranRepTemp::Echelles1Click);
    connect(Imprimer1, &QAction::triggered, this, &TEcranRepTemp::Imprimer1Click);
    connect(ExportExcel1, &QAction::triggered, this, &TEcranRepTemp::ExcelClick);
    MenuImage = new TMenuImage(
        *this, *ZoneClient,
        [this] {
            if (document_.TypeReponse == TTypeReponse::Impulsionnelle)
                return QStringLiteral("Réponse impulsionnelle");
            return document_.TypeReponse == TTypeReponse::Rampe ? QStringLiteral("Réponse à une rampe")
                                                                : QStringLiteral("Réponse à un échelon");
        },
        [this](QPainter& surface, const QRect& cible) { FormShow(surface, cible); });
    NommeComposants(this, QStringLiteral("EcranRepTemp"),
                    {{Quitter1, "Quitter1"}, {Echelles1, "Echelles1"}, {Imprimer1, "Imprimer1"},
                     {ExportExcel1, "ExportExcel1"}, {Caracteristiques1, "Caracteristiques1"}});
}

void TEcranRepTemp::DefinitDialogues(TEchellesRepIndic* indicielle, TEchellesRepRampe* rampe)
{
    indicielle_ = indicielle;
    rampe_ = rampe;
}

TDialogueReponse* TEcranRepTemp::DialogueDe(TTypeReponse type) const
{
    switch (type) {
    case TTypeReponse::Indicielle:
    case TTypeReponse::Impulsionnelle:  // départ et poids (valeur finale - valeur initiale)
        return indicielle_;
    case TTypeReponse::Rampe:
        return rampe_;
    case TTypeReponse::Aucune:
        break;
    }
    return nullptr;
}

void TEcranRepTemp::CommandeReponse(TTypeReponse type)
{
    TDialogueReponse* dialogue = DialogueDe(type);
    if (dialogue && ExecuteDialogue(*dialogue) == QDialog::Accepted)
        Montre(type);
}

void TEcranRepTemp::Montre(TTypeReponse type)
{
    document_.TypeReponse = type;
    Caracteristiques1->setEnabled(type == TTypeReponse::Indicielle);
    // Le modèle du classeur n'a de feuilles que pour l'échelon et la rampe.
    ExportExcel1->setEnabled(type != TTypeReponse::Impulsionnelle);
    MontreDevant(*this);
    ZoneClient->update();
}

void TEcranRepTemp::Echelles1Click()
{
    TDialogueReponse* dialogue = DialogueDe(document_.TypeReponse);
    if (!dialogue)
        return;
    if (ExecuteDevant(*dialogue, *this, ExecuteDialogue))
        ZoneClient->update();
}

void TEcranRepTemp::ExcelClick()
{
    if (document_.TypeReponse != TTypeReponse::Aucune)
        ExporteExcel(*this, document_, {TSujetExport::Reponse, {}, valeurs_}, ChoixFichier);
}

TDemandeReponse TEcranRepTemp::Demande() const
{
    TDemandeReponse demande;
    const TDialogueReponse* dialogue = DialogueDe(document_.TypeReponse);
    if (dialogue) {
        demande.Type = document_.TypeReponse;
        demande.Param = dialogue->Parametres();
    }
    if (demande.Type == TTypeReponse::Indicielle) {
        demande.Caracteristiques = Caracteristiques1->isChecked();
        demande.BandeDeuxPourCent = indicielle_->DeuxPourCent->isChecked();
    }
    return demande;
}

TResultatReponse TEcranRepTemp::FormShow(QPainter& surface, const QRect& cible)
{
    return TracerReponse(surface, cible, document_, Demande());
}

void TEcranRepTemp::DefinitImpression(const TOutilsImpression& outils)
{
    impression_ = outils;
}

void TEcranRepTemp::Imprimer1Click()
{
    const TDemandeReponse demande = Demande();
    CommandeImprimer(*this, impression_, ExecuteDialogue, valeursImpression_, TitreTravail(demande.Type),
                     [&](QPainter& p, const QRect& page, int resolution, const TValeursImpression& v) {
                         ImprimeReponse(p, page, resolution, document_, demande, v);
                     });
}

void TEcranRepTemp::closeEvent(QCloseEvent* evenement)
{
    document_.TypeReponse = TTypeReponse::Aucune;
    evenement->accept();
}

bool TEcranRepTemp::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != ZoneClient || evenement->type() != QEvent::Paint)
        return QMainWindow::eventFilter(objet, evenement);
    QPainter surface(ZoneClient);
    TResultatReponse trace = FormShow(surface, ZoneClient->rect());
    valeurs_ = trace.Valeurs;
    caracteristiques_ = trace.Caracteristiques;
    return true;
}
