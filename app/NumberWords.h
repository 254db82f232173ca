#pragma once
// Whole numbers written out in words, as the grown-up question asks them.
#include <QString>

// n (1 to 999) in words in language ("en", "de", "fr", "es", "it", "nl",
// "pt", "pl"; any other gets English).
QString numberInWords(int n, const QString& language);
