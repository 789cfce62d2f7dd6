// Builds the main window's tip list from its readable source:
//   quotara_tipsbuild tips.txt shipped_tips.cpp
// writes a C++ source holding the "TheTipList" stream. Any fault in the source is reported
// with its line and fails the build.

#include "state/recordfile.h"
#include "tipsource.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

using namespace quotara;

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "quotara_tipsbuild: %s\n", qPrintable(message));
    return 1;
}

// The bytes as one string literal of octal escapes, 32 bytes a line.
QByteArray generatedSource(const std::vector<std::uint8_t>& bytes) {
    QByteArray out = "// Generated from the tip list's source by quotara_tipsbuild. Do not edit.\n"
                     "#include \"shipped/tips.h\"\n\n"
                     "namespace quotara {\n\n"
                     "std::span<const std::uint8_t> shippedTipList() {\n"
                     "    static constexpr char kStream[] =\n";
    for (std::size_t i = 0; i < bytes.size(); i += 32) {
        out += "        \"";
        for (std::size_t j = i; j < std::min(bytes.size(), i + 32); ++j)
            out += '\\' + QByteArray::number(bytes[j], 8).rightJustified(3, '0');
        out += "\"\n";
    }
    out += "        \"\";\n"
           "    return {reinterpret_cast<const std::uint8_t*>(kStream), sizeof kStream - 1};\n"
           "}\n\n"
           "} // namespace quotara\n";
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return fail(QStringLiteral("usage: quotara_tipsbuild tips.txt out.cpp"));
    const QString sourcePath = QFile::decodeName(argv[1]);
    const QString cppPath = QFile::decodeName(argv[2]);

    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(sourcePath, source.errorString()));
    TTipList list;
    const QStringList errors = tipsbuild::parseTipSource(source.readAll(), list);
    const QString name = QFileInfo(sourcePath).fileName();
    if (!errors.isEmpty()) {
        for (const QString& e : errors)
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(e));
        return fail(QStringLiteral("%1 fault(s) in %2").arg(errors.size()).arg(name));
    }
    if (list.tips.empty()) return fail(QStringLiteral("%1 holds no tip").arg(name));

    const QByteArray cpp = generatedSource(list.WriteTipList());
    const FileError e =
        writeFileAtomically(cppPath, {reinterpret_cast<const std::uint8_t*>(cpp.constData()),
                                      static_cast<std::size_t>(cpp.size())});
    if (e.isError()) return fail(QStringLiteral("%1: %2").arg(cppPath, e.text()));
    return 0;
}
