// Writes the menu entry and the software centre's description from their
// templates, each text in English followed by every translation:
//   vellumix-menuentry <template> <output> <vellumix_xx.qm>...
// A template line holding @name@ is repeated once per language that
// translates the text, its key marked with the language: Comment[de]= in a
// desktop file, <summary xml:lang="de"> in XML.
#include "tools/menuentry/MenuEntryTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTranslator>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Language {
    QString name; // as the file names it: de, pt_BR
    std::unique_ptr<QTranslator> translator;
};

// The line for one language: the key or the element gets the language mark.
QString marked(const QString& line, const QString& language, bool xml) {
    QString out = line;
    if (xml) {
        static const QRegularExpression tag(QStringLiteral("<(\\w+)>"));
        const auto match = tag.match(out);
        out.insert(match.capturedEnd(1), QStringLiteral(" xml:lang=\"%1\"").arg(language));
    } else {
        out.insert(out.indexOf(u'='), u'[' + language + u']');
    }
    return out;
}

QString filled(const QString& line, const MenuEntryText& entry, const QString& text, bool xml) {
    QString out = line;
    return out.replace(u'@' + QLatin1String(entry.name) + u'@', xml ? text.toHtmlEscaped() : text);
}

const MenuEntryText* entryIn(const QString& line) {
    for (const MenuEntryText& entry : kMenuEntryTexts)
        if (line.contains(u'@' + QLatin1String(entry.name) + u'@'))
            return &entry;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: vellumix-menuentry <template> <output> <qm file>...\n");
        return 2;
    }
    std::vector<Language> languages;
    for (const QString& qm : args.mid(3)) {
        Language language{QFileInfo(qm).completeBaseName().section(u'_', 1),
                          std::make_unique<QTranslator>()};
        if (!language.translator->load(qm)) {
            std::fprintf(stderr, "vellumix-menuentry: cannot read %s\n", qPrintable(qm));
            return 1;
        }
        languages.push_back(std::move(language));
    }
    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "vellumix-menuentry: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const bool xml = args[2].endsWith(QLatin1String(".xml"));
    QString out;
    for (const QString& line : QString::fromUtf8(source.readAll()).split(u'\n')) {
        const MenuEntryText* entry = entryIn(line);
        if (!entry) {
            out += line + u'\n';
            continue;
        }
        out += filled(line, *entry, QString::fromUtf8(entry->text), xml) + u'\n';
        for (const Language& language : languages) {
            const QString text = language.translator->translate("MenuEntry", entry->text);
            if (!text.isEmpty())
                out += filled(marked(line, language.name, xml), *entry, text, xml) + u'\n';
        }
    }
    out.chop(1); // the split gave one line more than the file ends with
    QSaveFile target(args[2]);
    if (!target.open(QIODevice::WriteOnly) || target.write(out.toUtf8()) < 0 || !target.commit()) {
        std::fprintf(stderr, "vellumix-menuentry: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
