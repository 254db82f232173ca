#include "colouring/UndoHistory.h"

void UndoHistory::open(int page, const QImage& picture) {
    open_ = true;
    openPage_ = page;
    before_ = picture; // shared until the gesture's first change detaches the canvas
    area_ = QRect();
}

void UndoHistory::changed(QRect area) {
    if (open_)
        area_ |= area;
}

bool UndoHistory::close(const QImage& picture) {
    if (!open_)
        return false;
    open_ = false;
    PixelPatch patch = diffPixels(before_, picture, area_);
    before_ = QImage();
    if (patch.isEmpty())
        return false;
    PageSteps& page = pages_[openPage_];
    page.steps.resize(page.done);
    page.steps.push_back(std::move(patch));
    if (page.steps.size() > std::size_t(kDepth))
        page.steps.erase(page.steps.begin());
    page.done = page.steps.size();
    return true;
}

QRect UndoHistory::undo(int page, QImage& picture) {
    if (!canUndo(page))
        return {};
    PageSteps& steps = pages_[page];
    return applyPatch(picture, steps.steps[--steps.done], PatchSide::Before);
}

QRect UndoHistory::redo(int page, QImage& picture) {
    if (!canRedo(page))
        return {};
    PageSteps& steps = pages_[page];
    return applyPatch(picture, steps.steps[steps.done++], PatchSide::After);
}

const UndoHistory::PageSteps* UndoHistory::find(int page) const {
    const auto it = pages_.find(page);
    return it == pages_.end() ? nullptr : &it->second;
}

bool UndoHistory::canUndo(int page) const {
    const PageSteps* steps = find(page);
    return steps && steps->done > 0;
}

bool UndoHistory::canRedo(int page) const {
    const PageSteps* steps = find(page);
    return steps && steps->done < steps->steps.size();
}

int UndoHistory::steps(int page) const {
    const PageSteps* steps = find(page);
    return steps ? int(steps->steps.size()) : 0;
}

qsizetype UndoHistory::storedBytes() const {
    qsizetype total = 0;
    for (const auto& [number, page] : pages_)
        for (const PixelPatch& patch : page.steps)
            total += patch.bytes();
    return total;
}
