#pragma once

#include "dialog_descriptions.h"
#include "form1_description.h"
#include "localized.h"
#include "platform.h"

#include <array>
#include <map>

namespace morvane::forms {

inline constexpr std::array<const WindowDescription*, 3> kWindows{&kForm1, &kMessageDialog, &kAboutDialog};

// What the program does, on every platform: the commands of its controls, the dialogs'
// single instance and where they open, the default tip on activation, and when the
// program ends, all in the person's language. A front end renders the windows it is
// given, in that language, and reports what happens to them; the windows' controls hold
// everything shown, and this keeps only which windows are open and which was active last.
// Windows are known by their names, whichever language their descriptions are in.
class Program {
public:
    Program(Platform& platform, Language language);

    // Opens the main window, centred on the screen, with the focus in the year box.
    void start();

    const Localized& localized() const { return m_localized; }

    // A person pressed a button of the window (by a click, Enter, Space or its access
    // key) or clicked a link; what the control's command says runs.
    void pressed(const WindowDescription& window, std::string_view control);
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
    void returnToYearBox(const WindowDescription& dialog);
    // Opens a dialog, centred on the main window, unless it is open already.
    ShownWindow& openOnce(const WindowDescription& dialog);

    ShownWindow* shown(const WindowDescription& window) const;

    Platform& m_platform;
    const Localized m_localized;
    std::map<std::string_view, ShownWindow*> m_open; // by name
    std::string_view m_lastActive;
};

} // namespace morvane::forms
