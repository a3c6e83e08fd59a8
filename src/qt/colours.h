#pragma once

#include <QPalette>

// The one palette every window of the program paints with: black ink on the white ground
// the windows are drawn on, light buttons and white text fields, whatever the desktop's
// theme says. A dark theme's light ink would vanish into that white ground.
//
// Every role of every colour group is set, so that Qt gives each window and control this
// very palette rather than one derived anew. The style keeps the buttons it draws in the
// pixmap cache under the palette's identity: with one identity, a new dialog's button is
// drawn from the cache, where fresh identities would fill it with pictures of dialogs
// that are gone.
const QPalette& WindowPalette();
