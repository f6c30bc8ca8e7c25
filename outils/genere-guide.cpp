// Le guide de l'utilisateur en une page HTML, depuis son texte Markdown.
// Usage : genere-guide GUIDE.md GUIDE.html
// Seul le sous-ensemble que le guide emploie est lu : titres #, ## et ###, paragraphes, listes
// « - », blocs de code ```, images seules sur leur ligne, et dans le texte `code`, **gras**,
// *italique* et [lien](adresse).
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>

namespace {

const QString Style = QStringLiteral(R"(<style>
body { font-family: "Liberation Sans", Arial, sans-serif; max-width: 52em; margin: 2em auto; padding: 0 1em;
       line-height: 1.5; color: #222; }
h1 { color: #005a00; } h2 { color: #00007f; border-bottom: 1px solid #ccc; margin-top: 2em; }
h3 { color: #00007f; }
figure { margin: 1em 0; text-align: center; }
figure img { max-width: 100%; border: 1px solid #bbb; }
figcaption { font-style: italic; color: #555; }
pre { background: #f4f4f4; padding: 0.6em; overflow-x: auto; }
code { font-family: "Liberation Mono", "Courier New", monospace; }
nav li { list-style: none; }
</style>
)");

QString Echappe(const QString& texte)
{
    return texte.toHtmlEscaped();
}

// Le texte d'un paragraphe : échappé d'abord, puis les marques en ligne ; le code n'est pas relu.
QString EnLigne(const QString& texte)
{
    QString sortie;
    const QStringList morceaux = texte.split(u'`');
    for (qsizetype i = 0; i < morceaux.size(); ++i) {
        QString m = Echappe(morceaux[i]);
        if (i % 2 == 1) {
            sortie += QStringLiteral("<code>") + m + QStringLiteral("</code>");
            continue;
        }
        static const QRegularExpression gras(QStringLiteral(R"(\*\*(.+?)\*\*)"));
        static const QRegularExpression italique(QStringLiteral(R"(\*(.+?)\*)"));
        static const QRegularExpression lien(QStringLiteral(R"(\[([^\]]+)\]\(([^)\s]+)\))"));
        m.replace(gras, QStringLiteral("<strong>\\1</strong>"));
        m.replace(italique, QStringLiteral("<em>\\1</em>"));
        m.replace(lien, QStringLiteral("<a href=\"\\2\">\\1</a>"));
        // Les guillemets et le point d'interrogation ne se séparent pas de leur texte en fin de ligne.
        m.replace(QStringLiteral("« "), QStringLiteral("«&nbsp;"))
            .replace(QStringLiteral(" »"), QStringLiteral("&nbsp;»"))
            .replace(QStringLiteral(" ?"), QStringLiteral("&nbsp;?"));
        sortie += m;
    }
    return sortie;
}

QString Ancre(int numero)
{
    return QStringLiteral("section-%1").arg(numero);
}

class TConvertisseur {
public:
    explicit TConvertisseur(const QStringList& lignes) : lignes_(lignes) {}

    QString Page()
    {
        for (const QString& ligne : lignes_)
            Ligne(ligne);
        FermeBloc();
        return QStringLiteral("<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n<title>")
               + Echappe(titre_) + QStringLiteral("</title>\n") + Style + QStringLiteral("</head>\n<body>\n")
               + corps_.replace(QStringLiteral("<!--sommaire-->"), Sommaire())
               + QStringLiteral("</body>\n</html>\n");
    }

private:
    enum class TBloc { Aucun, Paragraphe, Liste, Code };

    void Ligne(const QString& ligne)
    {
        if (bloc_ == TBloc::Code) {
            if (ligne.startsWith(QStringLiteral("```")))
                FermeBloc();
            else
                corps_ += Echappe(ligne) + u'\n';
            return;
        }
        static const QRegularExpression titre(QStringLiteral(R"(^(#{1,3}) (.+)$)"));
        static const QRegularExpression image(QStringLiteral(R"(^!\[([^\]]*)\]\(([^)\s]+)\)\s*$)"));
        const QString nette = ligne.trimmed();
        if (nette.isEmpty())
            FermeBloc();
        else if (nette.startsWith(QStringLiteral("```")))
            Ouvre(TBloc::Code, QStringLiteral("<pre><code>"));
        else if (const auto t = titre.match(nette); t.hasMatch())
            Titre(int(t.captured(1).size()), t.captured(2));
        else if (const auto i = image.match(nette); i.hasMatch())
            Image(i.captured(1), i.captured(2));
        else if (nette.startsWith(QStringLiteral("- "))) {
            Ouvre(TBloc::Liste, QStringLiteral("<ul>\n"));
            corps_ += QStringLiteral("<li>") + EnLigne(nette.mid(2));
            itemOuvert_ = true;
        } else if (bloc_ == TBloc::Liste && ligne.startsWith(u' '))
            corps_ += u' ' + EnLigne(nette);
        else {
            if (bloc_ == TBloc::Paragraphe)
                corps_ += u'\n';
            Ouvre(TBloc::Paragraphe, QStringLiteral("<p>"));
            corps_ += EnLigne(nette);
        }
    }

    void Ouvre(TBloc bloc, const QString& balise)
    {
        if (bloc_ == bloc && bloc != TBloc::Code) {
            if (bloc == TBloc::Liste && itemOuvert_)
                corps_ += QStringLiteral("</li>\n");
            return;
        }
        FermeBloc();
        bloc_ = bloc;
        corps_ += balise;
    }

    void FermeBloc()
    {
        switch (bloc_) {
        case TBloc::Paragraphe: corps_ += QStringLiteral("</p>\n"); break;
        case TBloc::Liste: corps_ += QStringLiteral("</li>\n</ul>\n"); break;
        case TBloc::Code: corps_ += QStringLiteral("</code></pre>\n"); break;
        case TBloc::Aucun: break;
        }
        bloc_ = TBloc::Aucun;
        itemOuvert_ = false;
    }

    // Le sommaire des sections se place sous le titre de la page.
    void Titre(int niveau, const QString& texte)
    {
        FermeBloc();
        if (niveau == 1) {
            titre_ = texte;
            corps_ += QStringLiteral("<h1>") + EnLigne(texte) + QStringLiteral("</h1>\n<!--sommaire-->");
            return;
        }
        if (niveau == 2)
            sections_ << texte;
        const QString id = niveau == 2 ? QStringLiteral(" id=\"") + Ancre(int(sections_.size())) + u'"' : QString();
        corps_ += QStringLiteral("<h%1%2>").arg(niveau).arg(id) + EnLigne(texte) + QStringLiteral("</h%1>\n").arg(niveau);
    }

    void Image(const QString& legende, const QString& fichier)
    {
        FermeBloc();
        corps_ += QStringLiteral("<figure><img src=\"") + Echappe(fichier) + QStringLiteral("\" alt=\"")
                  + Echappe(legende) + QStringLiteral("\"><figcaption>") + EnLigne(legende)
                  + QStringLiteral("</figcaption></figure>\n");
    }

    QString Sommaire() const
    {
        QString s = QStringLiteral("<nav>\n<h2>Sommaire</h2>\n<ul>\n");
        for (qsizetype i = 0; i < sections_.size(); ++i)
            s += QStringLiteral("<li><a href=\"#") + Ancre(int(i + 1)) + QStringLiteral("\">") + EnLigne(sections_[i])
                 + QStringLiteral("</a></li>\n");
        return s + QStringLiteral("</ul>\n</nav>\n");
    }

    QStringList lignes_;
    QString corps_;
    QString titre_;
    QStringList sections_;
    TBloc bloc_ = TBloc::Aucun;
    bool itemOuvert_ = false;
};

}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("Usage : genere-guide GUIDE.md GUIDE.html\n", stderr);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "genere-guide : %s illisible\n", argv[1]);
        return 1;
    }
    const QString page = TConvertisseur(QString::fromUtf8(source.readAll()).split(u'\n')).Page();
    QSaveFile sortie(QString::fromLocal8Bit(argv[2]));
    if (!sortie.open(QIODevice::WriteOnly) || sortie.write(page.toUtf8()) < 0 || !sortie.commit()) {
        std::fprintf(stderr, "genere-guide : %s impossible à écrire\n", argv[2]);
        return 1;
    }
    return 0;
}
