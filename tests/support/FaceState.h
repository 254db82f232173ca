#pragma once
// Which of its three pictures an image button's face shows, by picture
// identity, for the button tests and the window's.
#include "controls/ucButtonA.h"

#include <string>

inline std::string faceState(const ucButtonA& button) {
    const qint64 key = button.facePicture().cacheKey();
    if (key == button.img_NORM().cacheKey())
        return "normal";
    if (key == button.img_ROLL().cacheKey())
        return "rollover";
    if (key == button.img_DOWN().cacheKey())
        return "pressed";
    return "other";
}
