#pragma once
// Pictures for the postcard tests, and a measure of how alike two are.
#include <QImage>

// Coloured shapes over white with black outlines, like a coloured page.
QImage samplePicture(int width, int height);

// Mean of |a - b| over every channel of every pixel; infinite when the sizes differ.
double meanAbsoluteDifference(const QImage& a, const QImage& b);
