#pragma once
// Data files as they turn up damaged: cut short, of another kind, or with a
// header that promises a picture far larger than any the program shows.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <ostream>
#include <vector>

struct Damage {
    const char* name;
    // The damaged file made from the whole one.
    std::function<QByteArray(const QByteArray& whole)> make;
};

inline void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

QByteArray pngOf(const QImage& image);
QByteArray jpegOf(const QImage& image);

// A bitmap header claiming width x height pixels of 24 bits, followed by a
// few rows of pixels only.
QByteArray hugeBitmap(int width, int height);
// A well-formed PNG, checksums and all, whose header claims width x height.
QByteArray hugePng(int width, int height);
// A small JPEG whose frame header claims width x height.
QByteArray hugeJpeg(int width, int height);
// A true, small PNG of width x height pixels of one bit each: a few
// kilobytes that unpack to a picture 32 times its decoded size.
QByteArray oneBitPng(int width, int height);

// Ways a page file (a bitmap) arrives damaged, the wrong sizes among them.
std::vector<Damage> pageDamages();
// Ways an artwork file arrives damaged, whatever its format.
std::vector<Damage> artworkDamages();

bool overwriteFile(const QString& path, const QByteArray& content);
QByteArray readFile(const QString& path);

// The process's peak resident memory from now on: reset to the present
// where the system allows it, so a test sees its own peak alone.
class PeakMemory {
public:
    PeakMemory();
    // Megabytes by which the peak has grown since construction.
    double growthMb() const;

private:
    long startKb_;
};
