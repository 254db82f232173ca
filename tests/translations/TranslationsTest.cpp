// Every text of the program has a finished translation in every shipped
// language, with its placeholders, and no translation is left over from a
// text that is gone. The .ts files are compared with what lupdate makes of
// today's sources, so a text added without its translations fails here by
// name.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

namespace {

struct Message {
    QString translation;
    bool finished = false;
};
// By context and source text.
using Messages = std::map<std::pair<QString, QString>, Message>;

Messages readTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    Messages messages;
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText();
            messages[{context, source}] = {text, !unfinished && !text.isEmpty()};
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// What must come through a translation unchanged: %1 and the like, and the
// pattern after a file filter's bar.
QStringList placeholders(const QString& text) {
    static const QRegularExpression mark(QStringLiteral("%\\d+|\\|[^|]*$"));
    QStringList found;
    for (const auto& match : mark.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

QString run(const QString& program, const QStringList& arguments, const QString& lupdate = {}) {
    QProcess process;
    if (!lupdate.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LUPDATE"), lupdate);
        process.setProcessEnvironment(env);
    }
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return QString::fromLocal8Bit(process.readAll());
}

std::string line(const QString& language, const std::pair<QString, QString>& key,
                 const char* what) {
    return QStringLiteral("  %1: %2 [%3] \"%4\"\n")
        .arg(language, QLatin1String(what), key.first, key.second)
        .toStdString();
}

} // namespace

TEST(Translations, EveryTextIsTranslatedInEveryLanguageWithItsPlaceholders) {
    const QString sources = QStringLiteral(VELLUMIX_SOURCE_DIR);
    const QStringList languages = QStringLiteral(VELLUMIX_LANGUAGES).split(u',');
    QTemporaryDir scratch;
    run(sources + "/scripts/update-translations.sh", {"--into", scratch.path()},
        QStringLiteral(VELLUMIX_LUPDATE));

    std::string problems;
    for (const QString& language : languages) {
        const QString name = QStringLiteral("vellumix_%1.ts").arg(language);
        const Messages shipped = readTs(sources + "/translations/" + name);
        const Messages wanted = readTs(scratch.filePath(name));
        for (const auto& [key, message] : wanted) {
            if (!message.finished)
                problems += line(language, key, "not translated");
            else if (placeholders(message.translation) != placeholders(key.second))
                problems += line(language, key, "placeholders differ");
        }
        for (const auto& [key, message] : shipped)
            if (!wanted.count(key))
                problems += line(language, key, "vanished from the sources");
        const QString report =
            run(QStringLiteral(VELLUMIX_LRELEASE),
                {scratch.filePath(name), "-qm", scratch.filePath(language + ".qm")});
        if (!report.contains(QLatin1String(" 0 unfinished)")) || report.contains("Ignored"))
            problems += QStringLiteral("  %1: lrelease: %2").arg(language, report).toStdString();
    }
    EXPECT_TRUE(problems.empty()) << "Run scripts/update-translations.sh and translate:\n"
                                  << problems;
    EXPECT_EQ(QDir(sources + "/translations").entryList({"vellumix_*.ts"}).size(), languages.size())
        << "a .ts file is not in translations/CMakeLists.txt";
}
