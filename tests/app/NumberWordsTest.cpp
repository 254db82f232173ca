#include "app/NumberWords.h"

#include <gtest/gtest.h>

struct Words {
    int number;
    const char* language;
    const char* words;
};

class NumberWordsTest : public testing::TestWithParam<Words> {};

TEST_P(NumberWordsTest, WritesTheNumberAsTheLanguageDoes) {
    EXPECT_EQ(numberInWords(GetParam().number, GetParam().language).toStdString(),
              GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, NumberWordsTest,
    testing::Values(Words{712, "en_GB", "seven hundred and twelve"},
                    Words{345, "en", "three hundred and forty-five"},
                    Words{121, "de_DE", "einhunderteinundzwanzig"},
                    Words{998, "de", "neunhundertachtundneunzig"},
                    Words{280, "fr", "deux cent quatre-vingts"},
                    Words{171, "fr", "cent soixante et onze"}, Words{200, "fr", "deux cents"},
                    Words{100, "es", "cien"}, Words{522, "es", "quinientos veintidós"},
                    Words{731, "es", "setecientos treinta y uno"},
                    Words{183, "it", "centottantatré"}, Words{321, "it", "trecentoventuno"},
                    Words{622, "nl", "zeshonderdtweeëntwintig"}, Words{101, "nl", "honderdeen"},
                    Words{100, "pt_BR", "cem"}, Words{516, "pt", "quinhentos e dezesseis"},
                    Words{245, "pl", "dwieście czterdzieści pięć"},
                    Words{900, "pl", "dziewięćset"}));
