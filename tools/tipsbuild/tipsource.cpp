#include "tipsource.h"

#include "state/text.h"

#include <QMap>
#include <QStringDecoder>

namespace quotara::tipsbuild {
namespace {

struct Block {
    QString kind; // "type" or "tip"
    int line = 0; // where it starts
    QMap<QString, QString> values;
};

const QStringList& keysOf(const QString& kind) {
    static const QStringList type{QStringLiteral("Name"), QStringLiteral("Caption"),
                                  QStringLiteral("Header")};
    static const QStringList tip{QStringLiteral("TipType"), QStringLiteral("HelpContext"),
                                 QStringLiteral("Tip")};
    return kind == QLatin1String("type") ? type : tip;
}

void addBlock(const Block& b, TTipList& list, QStringList& errors) {
    const QString where = QStringLiteral("line %1: ").arg(b.line);
    for (const QString& key : keysOf(b.kind))
        if (!b.values.contains(key))
            errors << where + QStringLiteral("[%1] has no %2").arg(b.kind, key);
    if (b.kind == QLatin1String("type")) {
        TTipType t;
        t.setName(b.values.value(QStringLiteral("Name")));
        if (t.Name() != b.values.value(QStringLiteral("Name")))
            errors << where + QStringLiteral("a type Name is lower case, 8 characters at most");
        t.Caption = b.values.value(QStringLiteral("Caption"));
        t.Header = b.values.value(QStringLiteral("Header"));
        list.types.push_back(t);
        return;
    }
    TTip t;
    t.setTipType(b.values.value(QStringLiteral("TipType")));
    t.Tip = b.values.value(QStringLiteral("Tip"));
    bool ok = false;
    t.HelpContext = b.values.value(QStringLiteral("HelpContext")).toInt(&ok);
    if (!ok && b.values.contains(QStringLiteral("HelpContext")))
        errors << where + QStringLiteral("HelpContext is not a whole number");
    bool known = false;
    for (const TTipType& type : list.types)
        known = known || type.Name() == t.TipType();
    if (!known) errors << where + QStringLiteral("the tip's TipType names no [type] above it");
    list.tips.push_back(t);
}

} // namespace

QStringList parseTipSource(const QByteArray& utf8, TTipList& list) {
    list.clear();
    QStringList errors;
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString all = decode(utf8);
    if (decode.hasError()) return {QStringLiteral("line 1: the file is not valid UTF-8")};

    std::optional<Block> block;
    const QStringList lines = all.split(u'\n');
    for (qsizetype l = 0; l <= lines.size(); ++l) {
        QString line = l < lines.size() ? lines[l] : QStringLiteral("[end]");
        if (line.endsWith(u'\r')) line.chop(1);
        const QString where = QStringLiteral("line %1: ").arg(l + 1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[')) {
            if (block) addBlock(*block, list, errors);
            block.reset();
            const QString kind = line.trimmed().mid(1).chopped(1);
            if (kind == QLatin1String("type") || kind == QLatin1String("tip"))
                block = Block{kind, int(l + 1), {}};
            else if (l < lines.size())
                errors << where + QStringLiteral("unknown block %1").arg(line.trimmed());
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!block || eq < 0) {
            errors << where + QStringLiteral("expected [type], [tip] or Key=Value");
            continue;
        }
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1);
        if (!keysOf(block->kind).contains(key))
            errors << where + QStringLiteral("[%1] has no key %2").arg(block->kind, key);
        else if (block->values.contains(key))
            errors << where + QStringLiteral("%1 given twice").arg(key);
        else if (fromCp1252(toCp1252(value)) != value)
            errors << where + QStringLiteral("a character has no Windows-1252 byte");
        else
            block->values.insert(key, value);
    }
    return errors;
}

} // namespace quotara::tipsbuild
