// Builds the shipped news file from its readable source:
//   quotara_newsbuild news.csv qonews.dat shipped_news.cpp
// writes the 51,200-byte news file and a C++ source holding the same bytes. Any fault in the
// source is reported with its line and fails the build.

#include "editor/newsfile.h"
#include "newscsv.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <memory>

using namespace quotara;

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "quotara_newsbuild: %s\n", qPrintable(message));
    return 1;
}

QByteArray generatedSource(const std::vector<std::uint8_t>& bytes) {
    QByteArray out =
        "// Generated from the news table's source by quotara_newsbuild. Do not edit.\n"
        "#include \"shipped/news.h\"\n\n"
        "namespace quotara {\nnamespace {\n"
        "constexpr std::uint8_t kNewsFile[" +
        QByteArray::number(qsizetype(bytes.size())) + "] = {\n";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out += QByteArray::number(bytes[i]);
        out += (i + 1) % 24 == 0 ? ",\n" : ",";
    }
    out += "};\n} // namespace\n\n"
           "std::span<const std::uint8_t> shippedNewsFile() { return kNewsFile; }\n\n"
           "} // namespace quotara\n";
    return out;
}

FileError write(const QString& path, const QByteArray& data) {
    return writeFileAtomically(path, {reinterpret_cast<const std::uint8_t*>(data.constData()),
                                      static_cast<std::size_t>(data.size())});
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) return fail(QStringLiteral("usage: quotara_newsbuild news.csv out.dat out.cpp"));
    const QString csvPath = QFile::decodeName(argv[1]);
    const QString datPath = QFile::decodeName(argv[2]);
    const QString cppPath = QFile::decodeName(argv[3]);

    QFile csv(csvPath);
    if (!csv.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(csvPath, csv.errorString()));
    auto items = std::make_unique<newsbuild::NewsTable>();
    const QStringList errors = newsbuild::parseNewsCsv(csv.readAll(), *items);
    if (!errors.isEmpty()) {
        const QString name = QFileInfo(csvPath).fileName();
        for (const QString& e : errors)
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(e));
        return fail(QStringLiteral("%1 fault(s) in %2").arg(errors.size()).arg(name));
    }

    const std::vector<std::uint8_t> bytes = encodeNewsTable(*items);
    const QByteArray dat(reinterpret_cast<const char*>(bytes.data()),
                         static_cast<qsizetype>(bytes.size()));
    if (const FileError e = write(datPath, dat); e.isError())
        return fail(QStringLiteral("%1: %2").arg(datPath, e.text()));
    if (const FileError e = write(cppPath, generatedSource(bytes)); e.isError())
        return fail(QStringLiteral("%1: %2").arg(cppPath, e.text()));
    return 0;
}
