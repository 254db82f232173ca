#pragma once
// Shared helpers: scratch data folders laid out like the shipped one, and
// tiny pictures drawn as ASCII grids.
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

QString sourceDir();
QString shippedDataFolder(); // <source>/res/

// A fresh copy of the shipped data folder in a temporary directory; the
// program folder is path(), the data folder dataFolder() (ends in '/').
class ScratchDataFolder {
public:
    ScratchDataFolder();
    QString programFolder() const;
    QString dataFolder() const;
    QString file(const QString& relative) const { return dataFolder() + relative; }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

// Rows of characters to an RGB32 picture: '#' black, '.' white, other
// letters take their colour from the legend ("r=#ff0000").
QImage asciiImage(const QStringList& rows, const QStringList& legend = {});
QStringList asciiRows(const QImage& image, const QStringList& legend = {});

bool copyTree(const QString& from, const QString& to);
