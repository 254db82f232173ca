#include "app/NumberWords.h"

#include <QStringList>

namespace {

QStringList words(const char* text) {
    return QString::fromUtf8(text).split(u' ');
}

QString english(int n) {
    static const QStringList ones = words(
        "zero one two three four five six seven eight nine ten eleven twelve thirteen fourteen "
        "fifteen sixteen seventeen eighteen nineteen");
    static const QStringList tens =
        words("- - twenty thirty forty fifty sixty seventy eighty ninety");
    const auto below100 = [&](int m) {
        return m < 20 ? ones[m] : tens[m / 10] + (m % 10 ? u'-' + ones[m % 10] : QString());
    };
    if (n < 100)
        return below100(n);
    return ones[n / 100] + QLatin1String(" hundred") +
           (n % 100 ? QLatin1String(" and ") + below100(n % 100) : QString());
}

QString german(int n) {
    static const QStringList ones = words(
        "null eins zwei drei vier fünf sechs sieben acht neun zehn elf zwölf dreizehn vierzehn "
        "fünfzehn sechzehn siebzehn achtzehn neunzehn");
    static const QStringList tens =
        words("- - zwanzig dreißig vierzig fünfzig sechzig siebzig achtzig neunzig");
    const auto below100 = [&](int m) {
        if (m < 20)
            return ones[m];
        const QString unit = m % 10 == 1 ? QStringLiteral("ein") : ones[m % 10];
        return (m % 10 ? unit + QLatin1String("und") : QString()) + tens[m / 10];
    };
    if (n < 100)
        return below100(n);
    const QString hundreds = n / 100 == 1 ? QStringLiteral("ein") : ones[n / 100];
    return hundreds + QLatin1String("hundert") + (n % 100 ? below100(n % 100) : QString());
}

QString dutch(int n) {
    static const QStringList ones =
        words("nul een twee drie vier vijf zes zeven acht negen tien elf twaalf dertien veertien "
              "vijftien zestien zeventien achttien negentien");
    static const QStringList tens =
        words("- - twintig dertig veertig vijftig zestig zeventig tachtig negentig");
    const auto below100 = [&](int m) {
        if (m < 20)
            return ones[m];
        if (m % 10 == 0)
            return tens[m / 10];
        const QString unit = ones[m % 10];
        // "tweeëntwintig": the trema keeps the vowels apart.
        return unit + (unit.endsWith(u'e') ? QStringLiteral("ën") : QStringLiteral("en")) +
               tens[m / 10];
    };
    if (n < 100)
        return below100(n);
    return (n / 100 == 1 ? QString() : ones[n / 100]) + QLatin1String("honderd") +
           (n % 100 ? below100(n % 100) : QString());
}

QString french(int n) {
    static const QStringList ones = words(
        "zéro un deux trois quatre cinq six sept huit neuf dix onze douze treize quatorze quinze "
        "seize dix-sept dix-huit dix-neuf");
    static const QStringList tens = words("- - vingt trente quarante cinquante soixante");
    const auto below100 = [&](int m) -> QString {
        if (m < 20)
            return ones[m];
        if (m < 70)
            return tens[m / 10] + (m % 10 == 1   ? QStringLiteral(" et un")
                                   : m % 10 == 0 ? QString()
                                                 : u'-' + ones[m % 10]);
        if (m < 80)
            return QLatin1String("soixante") +
                   (m == 71 ? QStringLiteral(" et ") : QStringLiteral("-")) + ones[m - 60];
        if (m == 80)
            return QStringLiteral("quatre-vingts");
        return QLatin1String("quatre-vingt-") + ones[m - 80];
    };
    if (n < 100)
        return below100(n);
    const int h = n / 100;
    const int rest = n % 100;
    QString text = h == 1 ? QStringLiteral("cent") : ones[h] + QLatin1String(" cent");
    if (h > 1 && rest == 0)
        text += u's';
    return rest ? text + u' ' + below100(rest) : text;
}

QString spanish(int n) {
    static const QStringList ones = words(
        "cero uno dos tres cuatro cinco seis siete ocho nueve diez once doce trece catorce quince "
        "dieciséis diecisiete dieciocho diecinueve veinte veintiuno veintidós veintitrés "
        "veinticuatro veinticinco veintiséis veintisiete veintiocho veintinueve");
    static const QStringList tens =
        words("- - - treinta cuarenta cincuenta sesenta setenta ochenta noventa");
    static const QStringList hundreds =
        words("- ciento doscientos trescientos cuatrocientos quinientos seiscientos setecientos "
              "ochocientos novecientos");
    const auto below100 = [&](int m) {
        return m < 30 ? ones[m]
                      : tens[m / 10] + (m % 10 ? QLatin1String(" y ") + ones[m % 10] : QString());
    };
    if (n < 100)
        return below100(n);
    if (n == 100)
        return QStringLiteral("cien");
    return hundreds[n / 100] + (n % 100 ? u' ' + below100(n % 100) : QString());
}

QString italian(int n) {
    static const QStringList ones =
        words("zero uno due tre quattro cinque sei sette otto nove dieci undici dodici tredici "
              "quattordici quindici sedici diciassette diciotto diciannove");
    static const QStringList tens =
        words("- - venti trenta quaranta cinquanta sessanta settanta ottanta novanta");
    const auto below100 = [&](int m) {
        if (m < 20)
            return ones[m];
        const int unit = m % 10;
        QString ten = tens[m / 10];
        if (unit == 1 || unit == 8)
            ten.chop(1); // "ventuno", "ventotto"
        return ten + (unit == 3 ? QStringLiteral("tré") : unit ? ones[unit] : QString());
    };
    if (n < 100)
        return below100(n);
    QString hundreds = (n / 100 == 1 ? QString() : ones[n / 100]) + QLatin1String("cento");
    const int rest = n % 100;
    if (rest == 0)
        return hundreds;
    if (rest == 3)
        return hundreds + QStringLiteral("tré");
    if (rest == 8 || rest / 10 == 8)
        hundreds.chop(1); // "centotto", "centottanta"
    return hundreds + below100(rest);
}

QString portuguese(int n) {
    static const QStringList ones = words(
        "zero um dois três quatro cinco seis sete oito nove dez onze doze treze catorze quinze "
        "dezesseis dezessete dezoito dezenove");
    static const QStringList tens =
        words("- - vinte trinta quarenta cinquenta sessenta setenta oitenta noventa");
    static const QStringList hundreds =
        words("- cento duzentos trezentos quatrocentos quinhentos seiscentos setecentos oitocentos "
              "novecentos");
    const auto below100 = [&](int m) {
        return m < 20 ? ones[m]
                      : tens[m / 10] + (m % 10 ? QLatin1String(" e ") + ones[m % 10] : QString());
    };
    if (n < 100)
        return below100(n);
    if (n == 100)
        return QStringLiteral("cem");
    return hundreds[n / 100] + (n % 100 ? QLatin1String(" e ") + below100(n % 100) : QString());
}

QString polish(int n) {
    static const QStringList ones =
        words("zero jeden dwa trzy cztery pięć sześć siedem osiem dziewięć dziesięć jedenaście "
              "dwanaście trzynaście czternaście piętnaście szesnaście siedemnaście osiemnaście "
              "dziewiętnaście");
    static const QStringList tens =
        words("- - dwadzieścia trzydzieści czterdzieści pięćdziesiąt sześćdziesiąt siedemdziesiąt "
              "osiemdziesiąt dziewięćdziesiąt");
    static const QStringList hundreds =
        words("- sto dwieście trzysta czterysta pięćset sześćset siedemset osiemset dziewięćset");
    const auto below100 = [&](int m) {
        return m < 20 ? ones[m] : tens[m / 10] + (m % 10 ? u' ' + ones[m % 10] : QString());
    };
    if (n < 100)
        return below100(n);
    return hundreds[n / 100] + (n % 100 ? u' ' + below100(n % 100) : QString());
}

} // namespace

QString numberInWords(int n, const QString& language) {
    const QString code = language.left(2);
    if (code == QLatin1String("de"))
        return german(n);
    if (code == QLatin1String("nl"))
        return dutch(n);
    if (code == QLatin1String("fr"))
        return french(n);
    if (code == QLatin1String("es"))
        return spanish(n);
    if (code == QLatin1String("it"))
        return italian(n);
    if (code == QLatin1String("pt"))
        return portuguese(n);
    if (code == QLatin1String("pl"))
        return polish(n);
    return english(n);
}
