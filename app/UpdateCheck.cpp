#include "app/UpdateCheck.h"

#include <QDomDocument>

namespace {

int versionPart(const QString &part, const QString &version)
{
    bool ok = false;
    const int number = part.toInt(&ok);
    if (!ok)
        throw UpdateError(QStringLiteral("\"%1\" in the version \"%2\" is not a valid integer value").arg(part, version));
    return number;
}

QString textOf(const QDomNode &node)
{
    if (node.isElement())
        return node.toElement().text();
    return node.nodeValue();
}

}

QStringList SplitVersion(const QString &version)
{
    QStringList parts;
    QString rest = version;
    for (int i = 0; i < 3; ++i) {
        const qsizetype dot = rest.indexOf(QLatin1Char('.'));
        if (dot < 0) {
            parts << QString();
            continue;
        }
        parts << rest.left(dot);
        rest = rest.mid(dot + 1);
    }
    parts << rest;
    return parts;
}

QString DocumentVersion(const QByteArray &document)
{
    QDomDocument dom;
    QString message;
    int line = 0;
    int column = 0;
    if (!dom.setContent(document, &message, &line, &column))
        throw UpdateError(QStringLiteral("The update document is not well-formed: %1 (line %2, column %3)")
                              .arg(message, QString::number(line), QString::number(column)));
    QDomNode node = dom;
    for (int depth = 0; depth < 3; ++depth) {
        node = node.firstChild();
        if (node.isNull())
            throw UpdateError(QStringLiteral("The update document has no version where it belongs: "
                                             "its first node, that node's first child and that one's first child"));
    }
    return textOf(node);
}

bool IsNewerVersion(const QString &remote, const QString &local)
{
    const QStringList remoteParts = SplitVersion(remote);
    const QStringList localParts = SplitVersion(local);
    for (int i = 0; i < 4; ++i) {
        const int mine = versionPart(localParts[i], local);
        const int theirs = versionPart(remoteParts[i], remote);
        if (theirs != mine)
            return theirs > mine;
    }
    return false;
}

bool UpdateAvailable(const QByteArray &document)
{
    return IsNewerVersion(DocumentVersion(document));
}
