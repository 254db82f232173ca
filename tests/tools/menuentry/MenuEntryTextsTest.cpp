// The menu entry's texts name the book's page count and palette size in
// every language, so a book that grows cannot keep its old numbers in words.
#include "tools/menuentry/MenuEntryTexts.h"

#include "book/BookFacts.h"

#include <QTranslator>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string_view>

namespace {

// Each language's word (or its stem, where the word is declined) for a count.
const std::map<QString, std::map<int, QString>> kCountWords = {
    {"en", {{16, "sixteen"}, {12, "twelve"}}},    {"de", {{16, "sechzehn"}, {12, "zwölf"}}},
    {"fr", {{16, "seize"}, {12, "douze"}}},       {"es", {{16, "dieciséis"}, {12, "doce"}}},
    {"it", {{16, "sedici"}, {12, "dodici"}}},     {"nl", {{16, "zestien"}, {12, "twaalf"}}},
    {"pt_BR", {{16, "dezesseis"}, {12, "doze"}}}, {"pl", {{16, "szesna"}, {12, "dwunast"}}},
};

} // namespace

TEST(MenuEntryTexts, NameTheBooksCountsInEveryLanguage) {
    const struct {
        std::string_view entry;
        std::vector<int> counts;
    } counted[] = {{"Comment", {kPageCount}}, {"description1", {kPageCount, kPaletteSize}}};
    for (const QString& language : QStringLiteral("en," VELLUMIX_LANGUAGES).split(u',')) {
        SCOPED_TRACE(language.toStdString());
        QTranslator translator;
        ASSERT_TRUE(language == u"en" ||
                    translator.load(QStringLiteral(VELLUMIX_QM_DIR "/vellumix_") + language));
        for (const auto& [entry, counts] : counted) {
            const auto* found = std::ranges::find(kMenuEntryTexts, entry, &MenuEntryText::name);
            ASSERT_NE(found, std::end(kMenuEntryTexts)) << entry;
            const QString text = language == u"en" ? QString::fromUtf8(found->text)
                                                   : translator.translate("MenuEntry", found->text);
            for (int count : counts) {
                const auto& words = kCountWords.at(language);
                ASSERT_TRUE(words.contains(count)) << "no word for " << count << " here yet";
                EXPECT_TRUE(text.contains(words.at(count), Qt::CaseInsensitive))
                    << entry << " does not name " << count << ": " << text.toStdString();
            }
        }
    }
}
