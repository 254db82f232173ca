#pragma once
// Undo and redo for the canvas, one history per page for the whole run.
// A step is what one gesture changed: the gesture opens the step before its
// first change, reports each rectangle it changes, and closes it when it
// ends. Only the changed pixels are kept, with their old and new colours, so
// undo and redo put the picture back exactly. A gesture that changed nothing
// adds no step; a new step after an undo drops what could have been redone.
#include "pixels/PixelPatch.h"

#include <QImage>
#include <QRect>
#include <map>
#include <vector>

class UndoHistory {
public:
    static constexpr int kDepth = 100; // steps kept per page; older ones are dropped

    bool isOpen() const { return open_; }
    // Opens a step on page, remembering picture as it is before the change.
    void open(int page, const QImage& picture);
    // The open step changed area of the picture.
    void changed(QRect area);
    // Closes the open step; picture is what it looks like now. True when a
    // step was added.
    bool close(const QImage& picture);

    // Each returns the rectangle it changed, empty when there was nothing.
    QRect undo(int page, QImage& picture);
    QRect redo(int page, QImage& picture);

    bool canUndo(int page) const;
    bool canRedo(int page) const;
    int steps(int page) const;     // undoable and redoable together
    qsizetype storedBytes() const; // the compressed changes of every page

private:
    struct PageSteps {
        std::vector<PixelPatch> steps;
        std::size_t done = 0; // steps[0, done) can be undone, the rest redone
    };
    const PageSteps* find(int page) const;

    std::map<int, PageSteps> pages_;
    bool open_ = false;
    int openPage_ = 0;
    QImage before_;
    QRect area_;
};
