#pragma once

#include "compass.h"
#include "compass_description.h"
#include "dialog_descriptions.h"
#include "form1_description.h"
#include "localized.h"
#include "platform.h"
#include "reading_sheet.h"

#include <array>
#include <map>

namespace morvane::forms {

inline constexpr std::array<const WindowDescription*, 4> kWindows{&kForm1, &kMessageDialog, &kAboutDialog,
                                                                  &kCompassWindow};

// What the program does, on every platform: the commands of its controls and menus, the
// dialogs' and the compass's single instance and where they open, the default tip on
// activation, the compass following the reading, and when the program ends, all in the
// person's language. A front end renders the windows it is given, in that language, and
// reports what happens to them; the windows' controls hold everything shown, and this
// keeps only which windows are open, which was active last, the English text of what each
// value label shows (for the compass) and which way the compass is turned. Windows are
// known by their names, whichever language their descriptions are in.
class Program {
public:
    Program(Platform& platform, Language language);

    // Opens the main window, centred on the screen, with the focus in the year box.
    void start();

    const Localized& localized() const { return m_localized; }

    // A person pressed a button of the window (by a click, Enter, Space or its access
    // key) or clicked a link; what the control's command says runs.
    void pressed(const WindowDescription& window, std::string_view control);
    // A person chose a command of the window's menu, or pressed its shortcut.
    void commanded(const WindowDescription& window, Command command);
    // A person pressed Esc in the window.
    void cancelled(const WindowDescription& window) { commanded(window, window.escape); }

    // The reading as the main window shows it: on a printed page of the size in logical
    // units, and as text, one row a line.
    Drawing sheet(double width, double height) const;
    std::string readingText() const;
    // One of the program's windows became the active one. The main window's activation
    // puts the default tip in place when it follows start-up or one of the program's own
    // dialogs; a return from another application, which front ends do not report, puts
    // back nothing.
    void activated(const WindowDescription& window);
    // A window closed, by its O&kay, its close button or Alt+F4. The main window gets the
    // activation back; once no window is open, the program ends.
    void closed(const WindowDescription& window);

private:
    void calculate();
    void reset();
    std::vector<ReadingRow> inputRows() const;
    std::vector<ReadingRow> readingRows() const;
    void openCompass();
    void turnCompass(Orientation orientation);
    // Draws the compass anew from what the labels show, where it is open.
    void updateCompass();
    void returnToYearBox(const WindowDescription& dialog);
    // Opens a dialog, centred on the main window, unless it is open already.
    ShownWindow& openOnce(const WindowDescription& dialog);

    ShownWindow* shown(const WindowDescription& window) const;

    Platform& m_platform;
    const Localized m_localized;
    std::map<std::string_view, ShownWindow*> m_open; // by name
    std::string_view m_lastActive;
    ShownReading m_shown;
    Orientation m_orientation = Orientation::NorthUp;
};

} // namespace morvane::forms
