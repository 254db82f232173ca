#pragma once
// The menu entry's and the software centre's texts, in English, by the name
// their templates use (desktop/*.in: @name@). The program's name stays as it is.
#include <QtGlobal>

struct MenuEntryText {
    const char* name;
    const char* text;
};

inline constexpr MenuEntryText kMenuEntryTexts[] = {
    //: The kind of program, shown in the menu under its name.
    {"GenericName", QT_TRANSLATE_NOOP("MenuEntry", "Colouring Book")},
    //: The menu entry's tooltip. The crayons are wax crayons.
    {"Comment", QT_TRANSLATE_NOOP("MenuEntry", "Colour sixteen pages with crayons and brushes")},
    //: Search words, each followed by a semicolon; English ones may stay.
    {"Keywords", QT_TRANSLATE_NOOP("MenuEntry", "colouring;coloring;drawing;painting;children;")},
    //: One line under the name in software centres.
    {"summary", QT_TRANSLATE_NOOP("MenuEntry", "Colouring book for young children")},
    //: The description in software centres. The crayons are wax crayons.
    {"description1",
     QT_TRANSLATE_NOOP("MenuEntry",
                       "Vellumix is a colouring book with sixteen pages of line art. Children "
                       "pick one of twelve crayons or brushes and colour the page: in paint mode "
                       "a press pours the colour into an area, in draw mode they draw freehand "
                       "strokes that never cover the outlines. An eraser puts the page back.")},
    {"description2",
     QT_TRANSLATE_NOOP("MenuEntry",
                       "A page keeps its colouring while the child turns to other pages and "
                       "back. Every fill, stroke and eraser drag can be undone and redone, page "
                       "by page. The picture can be saved as a bitmap file, printed as large as "
                       "the paper allows, or sent as an e-mail postcard.")},
    //: The caption of a screenshot in software centres.
    {"caption", QT_TRANSLATE_NOOP("MenuEntry", "A page ready to be coloured, with the brushes")},
};
