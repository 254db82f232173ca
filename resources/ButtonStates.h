#pragma once
// The three pictures of a picture button from one drawing of its face.
#include <QImage>

struct ButtonStates {
    QImage normal;
    QImage rollover;
    QImage pressed;
};

// face: the button drawn on transparency; backdrop: what lies behind the
// button on the window, same size. The face rests on a soft shadow; on
// roll-over it rises and brightens, pressed it sinks and darkens. Only the
// face changes, so the picture's edges always match the window behind it.
// scale: device pixels per window pixel that face and backdrop are drawn at.
ButtonStates buttonStates(const QImage& face, const QImage& backdrop, qreal scale = 1);
// One of those three pictures (a member of ButtonStates), drawn alone.
QImage buttonState(const QImage& face, const QImage& backdrop, QImage ButtonStates::*state,
                   qreal scale = 1);

// A soft drop shadow of the opaque parts of image: black, blurred by radius
// pixels, with the given opacity (0 to 255), moved down by drop pixels.
QImage dropShadow(const QImage& image, int radius, int opacity, int drop);
