#include "newscsv.h"

#include "state/text.h"

#include <QStringDecoder>

#include <set>

namespace quotara::newsbuild {
namespace {

constexpr int kFields = 3 + Tnewsitem::kSectors + 1;

// Splits one line into fields. Returns false on a malformed quote.
bool splitCsvLine(const QString& line, QStringList& fields) {
    fields.clear();
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        QString field;
        if (i < n && line[i] == u'"') {
            ++i;
            while (true) {
                if (i >= n) return false; // no closing quote
                if (line[i] == u'"') {
                    if (i + 1 < n && line[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            if (i < n && line[i] != u',') return false; // text after the closing quote
        } else {
            while (i < n && line[i] != u',')
                field += line[i++];
            if (field.contains(u'"')) return false;
            field = field.trimmed();
        }
        fields << field;
        if (i >= n) return true;
        ++i; // the comma
    }
}

bool representable(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x20 || (u >= 0x7F && u <= 0x9F)) return false; // control characters
    return fromCp1252(toCp1252(QString(c))) == QString(c);
}

} // namespace

QStringList parseNewsCsv(const QByteArray& utf8, NewsTable& items) {
    items = NewsTable{};
    QStringList errors;
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString all = decode(utf8);
    if (decode.hasError()) return {QStringLiteral("line 1: the file is not valid UTF-8")};

    std::set<int> seen;
    const QStringList lines = all.split(u'\n');
    for (qsizetype l = 0; l < lines.size(); ++l) {
        QString line = lines[l];
        if (line.endsWith(u'\r')) line.chop(1);
        const QString where = QStringLiteral("line %1: ").arg(l + 1);
        const auto fault = [&](const QString& what) { errors << where + what; };
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;

        QStringList f;
        if (!splitCsvLine(line, f)) {
            fault(QStringLiteral("badly quoted text"));
            continue;
        }
        if (f[0] == QLatin1String("number")) continue;
        if (f.size() != kFields) {
            fault(QStringLiteral("%1 fields, expected %2").arg(f.size()).arg(kFields));
            continue;
        }

        bool ok = false;
        const int number = f[0].toInt(&ok);
        if (!ok || number < 1 || number > kNewsCount) {
            fault(QStringLiteral("item number '%1' is not in 1..%2").arg(f[0]).arg(kNewsCount));
            continue;
        }
        if (!seen.insert(number).second)
            fault(QStringLiteral("item %1 is listed twice").arg(number));

        Tnewsitem item;
        const QString& text = f[1];
        if (text.isEmpty()) fault(QStringLiteral("item %1 has no text").arg(number));
        if (text.size() > 200)
            fault(QStringLiteral("item %1's text has %2 characters, at most 200 fit")
                      .arg(number)
                      .arg(text.size()));
        for (QChar c : text)
            if (!representable(c)) {
                fault(QStringLiteral("item %1's text has the character U+%2, which Windows-1252 "
                                     "cannot hold")
                          .arg(number)
                          .arg(c.unicode(), 4, 16, QLatin1Char('0')));
                break;
            }
        item.text.assign(text);

        for (int s = 0; s <= Tnewsitem::kSectors; ++s) {
            const int v = f[2 + s].toInt(&ok);
            if (!ok || v < -2 || v > 2) {
                const QString what = s == 0 ? QStringLiteral("FTSE effect")
                                            : QStringLiteral("sector %1 effect").arg(s);
                fault(QStringLiteral("item %1's %2 '%3' is not in -2..+2")
                          .arg(number)
                          .arg(what, f[2 + s]));
                continue;
            }
            item.affect[s] = v;
        }
        item.waterbyte = static_cast<std::uint8_t>(static_cast<std::int8_t>(item.affect[12]));

        const int prob = f[kFields - 1].toInt(&ok);
        if (!ok || !((prob >= 1 && prob <= 5) || (prob >= 100 && prob <= 255)))
            fault(QStringLiteral("item %1's probability '%2' is not 1..5 or 100..255")
                      .arg(number)
                      .arg(f[kFields - 1]));
        else
            item.probcode = static_cast<std::uint8_t>(prob);

        items[number] = item;
    }
    return errors;
}

} // namespace quotara::newsbuild
