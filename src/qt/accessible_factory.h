#pragma once

// Lets screen readers see the windows as a person sees them where Qt's own view differs:
// the main window as a frame (Qt calls a plain top-level widget a filler, so Orca's
// title-bar command finds no title), each frame's caption as drawn text, and the
// reading's announcement as a notification. Call before the first window is made; calling again
// changes nothing.
void InstallAccessibleInterfaces();
