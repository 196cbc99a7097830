#include "exercises/domain4/information_origin/legalnotice.h"

#include "exercises/domain4/information_origin/layout.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace LegalNotice {
namespace {
const QString HostingCompany = QStringLiteral("Héberg'Net Services");
const QString LinksHeading = QStringLiteral("Etablir un lien vers le site");
}

const QStringList &headings()
{
    static const QStringList list = {
        QStringLiteral("Informations éditeurs"),
        QStringLiteral("Directeur de la publication"),
        QStringLiteral("Directeur des rédactions"),
        QStringLiteral("Equipe rédactionnelle et technique"),
        QStringLiteral("Informations prestataires"),
        QStringLiteral("Traitement des données personnelles"),
        QStringLiteral("Copyright et droit d'auteur"),
        QStringLiteral("Reprise du contenu mis en ligne"),
        QStringLiteral("Créations graphiques - Crédits photographiques - Vidéos"),
        LinksHeading,
        QStringLiteral("Contenu du site"),
        QStringLiteral("Avertissement"),
        QStringLiteral("Liens"),
        QStringLiteral("Accessibilité"),
    };
    return list;
}

const QStringList &linkTerms()
{
    static const QStringList list = {
        InformationOriginLayout::WebmasterLead.trimmed(),
        QStringLiteral("Personne responsable"),
        HostingCompany,
        QStringLiteral("formulaire de contact"),
    };
    return list;
}

const QStringList &lines()
{
    const QStringList &h = headings();
    static const QStringList list = {
        h[0],
        QStringLiteral("Ministère de l'Éducation et de la Jeunesse"),
        QStringLiteral("Délégation à la communication"),
        QStringLiteral("34, rue des Tilleuls"),
        QStringLiteral("75007 Paris"),
        QStringLiteral("Téléphone : 01 55 55 10 10"),
        QString(),
        h[1],
        QStringLiteral("Monsieur Bertrand Lavaur, délégué à la communication"),
        QString(),
        h[2],
        QStringLiteral("Madame Hélène Quentrec, rédactrice en chef"),
        QString(),
        h[3],
        QStringLiteral("Rédaction : Claire Morvan, Julien Astier, Nadia Belkhir"),
        QStringLiteral("Secrétariat de rédaction : Paul Genevoix"),
        QStringLiteral("Développement et intégration : Sandrine Voisin"),
        InformationOriginLayout::WebmasterLead + InformationOriginLayout::WebmasterAddress,
        QString(),
        QStringLiteral("Personne responsable de l'accès aux documents administratifs et des"),
        QStringLiteral("questions relatives à la réutilisation des informations publiques :"),
        QStringLiteral("Monsieur Yves Carhaix, chef du bureau des archives."),
        QString(),
        h[4],
        QStringLiteral("Hébergement du site : ") + HostingCompany,
        QStringLiteral("12, avenue des Serveurs - 69100 Villeurbanne"),
        QStringLiteral("Conception graphique : atelier Quadrature"),
        QString(),
        h[5],
        QStringLiteral("Conformément à la loi « Informatique et libertés » du 6 janvier 1978,"),
        QStringLiteral("vous disposez d'un droit d'accès, de modification, de rectification"),
        QStringLiteral("et de suppression des données qui vous concernent. Pour l'exercer,"),
        QStringLiteral("adressez-vous à la délégation à la communication par notre"),
        QStringLiteral("formulaire de contact ou par courrier à l'adresse indiquée ci-dessus."),
        QStringLiteral("Les adresses électroniques recueillies ne servent qu'à répondre"),
        QStringLiteral("aux messages reçus et ne sont jamais cédées à des tiers."),
        QString(),
        h[6],
        QStringLiteral("L'ensemble de ce site relève de la législation française et"),
        QStringLiteral("internationale sur le droit d'auteur et la propriété intellectuelle."),
        QStringLiteral("Tous les droits de reproduction sont réservés, y compris pour les"),
        QStringLiteral("documents téléchargeables et les représentations iconographiques"),
        QStringLiteral("et photographiques."),
        QString(),
        h[7],
        QStringLiteral("Les informations publiées sur ce site peuvent être reprises"),
        QStringLiteral("gratuitement, à condition de citer la source et la date de la"),
        QStringLiteral("publication, de ne pas en altérer le sens et de ne pas les"),
        QStringLiteral("utiliser à des fins commerciales ou publicitaires."),
        QString(),
        h[8],
        QStringLiteral("Photographies : service photographique du ministère, sauf mention"),
        QStringLiteral("contraire. Illustrations : atelier Quadrature."),
        QStringLiteral("Vidéos : délégation à la communication."),
        QString(),
        h[9],
        QStringLiteral("Tout site public ou privé est autorisé à établir, sans autorisation"),
        QStringLiteral("préalable, un lien vers les informations diffusées sur ce site."),
        QStringLiteral("Les pages du site ne doivent cependant pas être imbriquées à"),
        QStringLiteral("l'intérieur des pages d'un autre site."),
        QString(),
        h[10],
        QStringLiteral("Le ministère s'efforce de publier des informations exactes et mises"),
        QStringLiteral("à jour. Chaque article porte la date de sa publication et le nom"),
        QStringLiteral("du service qui l'a rédigé."),
        QString(),
        h[11],
        QStringLiteral("Le ministère ne peut être tenu pour responsable des erreurs ou"),
        QStringLiteral("omissions que pourraient contenir les informations publiées, ni"),
        QStringLiteral("de l'usage qui en serait fait. Les textes officiels publiés au"),
        QStringLiteral("Journal officiel font seuls foi."),
        QString(),
        h[12],
        QStringLiteral("Les liens vers d'autres sites sont proposés à titre d'information."),
        QStringLiteral("Le ministère n'exerce aucun contrôle sur leur contenu et décline"),
        QStringLiteral("toute responsabilité quant aux informations qu'ils diffusent."),
        QString(),
        h[13],
        QStringLiteral("Ce site s'efforce de respecter les règles d'accessibilité des"),
        QStringLiteral("contenus web. Les textes peuvent être agrandis avec le menu"),
        QStringLiteral("Affichage de votre navigateur. Si vous rencontrez une difficulté"),
        QStringLiteral("d'accès, signalez-la par le formulaire de contact."),
        QString(),
        QStringLiteral("Dernière mise à jour de cette page : 5 septembre 2008."),
    };
    return list;
}

void fill(QTextEdit *edit)
{
    edit->setPlainText(lines().join(QLatin1Char('\n')));
    QTextDocument *doc = edit->document();
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setForeground(QColor(0x00, 0x00, 0xcc));
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (!headings().contains(block.text()))
            continue;
        QTextCursor c(block);
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        c.mergeCharFormat(heading);
    }
    QTextCharFormat link;
    link.setFontUnderline(true);
    link.setForeground(QColor(0x3a, 0x6e, 0xa5));   // the classic desktop blue
    for (const QString &term : linkTerms()) {
        QTextCursor c = doc->find(term, 0, QTextDocument::FindCaseSensitively);
        if (!c.isNull())
            c.mergeCharFormat(link);
    }
    edit->moveCursor(QTextCursor::Start);
}

QTextEdit *makeField(QWidget *parent)
{
    auto *edit = new QTextEdit(parent);
    edit->setObjectName(QStringLiteral("RichEdit1"));
    edit->setGeometry(InformationOriginLayout::LegalText);
    edit->setReadOnly(true);
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont textFont(QStringLiteral("Arial"));
    textFont.setPixelSize(12);
    edit->setFont(textFont);
    fill(edit);
    return edit;
}

QString storedText() { return lines().join(QStringLiteral("\r\n")); }

int webmasterOffset()
{
    const QString text = storedText();
    return int(text.indexOf(InformationOriginLayout::WebmasterLead + InformationOriginLayout::WebmasterAddress)) +
           int(InformationOriginLayout::WebmasterLead.size());
}
}
