#pragma once
// The names of the files in the data folder, relative to it, and the name the
// save dialog suggests. Only names live here; the folder they are joined to is
// decided in one place in app/.
#include <QString>

namespace DataFiles {

// The main window's background picture, the desk every control sits on.
inline constexpr char Desk[] = "ui.kyr";
inline constexpr char Crayons[] = "stix.kyr";
inline constexpr char Brushes[] = "brsh.kyr";
inline constexpr char PostcardBackground[] = "pc.kyr";
inline constexpr char TempPicture[] = "MyTempPicture.bmp";
inline constexpr char PostcardPicture[] = "MyPicture.jpg";
inline constexpr char PagesFolder[] = "pages/";
inline constexpr char OutlinesFolder[] = "pages/orig/";
inline constexpr char SavedPicture[] = "MyPicture.bmp"; // suggested, wherever the child saves

// "pages/7.bmp": the page as coloured so far in this run.
inline QString workingPage(int page) {
    return QLatin1String(PagesFolder) + QString::number(page) + QLatin1String(".bmp");
}
// "pages/orig/7.bmp": the page's untouched outline.
inline QString outlinePage(int page) {
    return QLatin1String(OutlinesFolder) + QString::number(page) + QLatin1String(".bmp");
}

} // namespace DataFiles
