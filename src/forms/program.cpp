#include "program.h"

#include "help_page.h"
#include "spoken_reading.h"

#include <variant>

namespace morvane::forms {

Program::Program(Platform& platform)
    : m_platform(platform)
{
}

void Program::start()
{
    ShownWindow& form1 = *(m_open[&kForm1] = &m_platform.open(kForm1, nullptr));
    form1.moveFocus(kYearBox);
    form1.activate();
}

ShownWindow* Program::shown(const WindowDescription& window) const
{
    const auto open = m_open.find(&window);
    return open == m_open.end() ? nullptr : open->second;
}

void Program::pressed(const WindowDescription& window, std::string_view control)
{
    switch (ControlNamed(window, control).traits.command) {
    case Command::None:
        return;
    case Command::Calculate:
        return calculate();
    case Command::Reset:
        return reset();
    case Command::About:
        return openOnce(kAboutDialog).activate();
    case Command::Help:
        return m_platform.openPage(kHelpPageName);
    case Command::WebSite:
        return m_platform.openAddress(kMakerWebAddress);
    case Command::Close:
        return shown(window)->close();
    case Command::ReturnToYearBox:
        return returnToYearBox(window);
    }
}

void Program::activated(const WindowDescription& window)
{
    if (&window == &kForm1 && m_lastActive != &kForm1)
        shown(kForm1)->setText(kTipLabel, kDefaultTip);
    m_lastActive = &window;
}

void Program::closed(const WindowDescription& window)
{
    m_open.erase(&window);
    if (ShownWindow* form1 = shown(kForm1))
        form1->activate();
    else if (m_open.empty())
        m_platform.quit();
}

void Program::calculate()
{
    ShownWindow& form1 = *shown(kForm1);
    const std::string year = form1.text(kYearBox);
    const std::string sex = form1.text(kSexBox);
    const auto result = Calculate({year, sex}, form1.text(kElementLabel), m_platform.decimalSeparator());

    if (const auto* failure = std::get_if<InputFailure>(&result)) {
        if (failure->clearsYear)
            form1.setText(kYearBox, "");
        form1.moveFocus(failure->focus == InputBox::Year ? kYearBox : kSexBox);
        ShownWindow& message = openOnce(kMessageDialog);
        message.setText(kMessageLabel, failure->message);
        message.activate();
        return;
    }

    const auto& reading = std::get<KuaReading>(result);
    for (const Control& label : kForm1.controls) {
        const auto text = label.traits.shows ? reading.at(*label.traits.shows) : std::nullopt;
        if (text)
            form1.setText(label.name, *text);
    }
    m_platform.announce(SpokenReading([&form1](std::string_view label) { return form1.text(label); }));
}

void Program::reset()
{
    ShownWindow& form1 = *shown(kForm1);
    form1.setText(kYearBox, "");
    form1.setText(kSexBox, kSexPrompt);
    for (const Control& label : kForm1.controls) {
        if (label.traits.shows)
            form1.setText(label.name, label.name == kTipLabel ? kDefaultTip : "");
    }
    form1.moveFocus(kYearBox);
}

// About's O&kay puts the focus in the year box, but never brings back a closed window.
void Program::returnToYearBox(const WindowDescription& dialog)
{
    if (ShownWindow* form1 = shown(kForm1)) {
        form1->moveFocus(kYearBox);
        form1->activate();
    }
    shown(dialog)->close();
}

ShownWindow& Program::openOnce(const WindowDescription& dialog)
{
    if (ShownWindow* open = shown(dialog))
        return *open;
    return *(m_open[&dialog] = &m_platform.open(dialog, shown(kForm1)));
}

} // namespace morvane::forms
