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
    m_open.push_back(&kForm1);
    m_platform.open(kForm1, nullptr);
    m_platform.moveFocus(kForm1, kYearBox);
    m_platform.activate(kForm1);
}

bool Program::isOpen(const WindowDescription& window) const
{
    return std::ranges::find(m_open, &window) != m_open.end();
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
        openOnce(kDialog);
        return m_platform.activate(kDialog);
    case Command::Help:
        return m_platform.openPage(kHelpPageName);
    case Command::WebSite:
        return m_platform.openAddress(kMakerWebAddress);
    case Command::Close:
        return m_platform.close(window);
    case Command::ReturnToYearBox:
        return returnToYearBox(window);
    }
}

void Program::activated(const WindowDescription& window)
{
    if (&window == &kForm1 && m_lastActive != &kForm1)
        m_platform.setText(kForm1, kTipLabel, kDefaultTip);
    m_lastActive = &window;
}

void Program::closed(const WindowDescription& window)
{
    std::erase(m_open, &window);
    if (isOpen(kForm1))
        m_platform.activate(kForm1);
    else if (m_open.empty())
        m_platform.quit();
}

void Program::calculate()
{
    const std::string year = m_platform.text(kForm1, kYearBox);
    const std::string sex = m_platform.text(kForm1, kSexBox);
    const auto result = Calculate({year, sex}, m_platform.text(kForm1, kElementLabel), m_platform.decimalSeparator());

    if (const auto* failure = std::get_if<InputFailure>(&result)) {
        if (failure->clearsYear)
            m_platform.setText(kForm1, kYearBox, "");
        m_platform.moveFocus(kForm1, failure->focus == InputBox::Year ? kYearBox : kSexBox);
        openOnce(kDialog1);
        m_platform.setText(kDialog1, kMessageLabel, failure->message);
        m_platform.activate(kDialog1);
        return;
    }

    const auto& reading = std::get<KuaReading>(result);
    m_platform.setText(kForm1, kKuaNumberLabel, reading.kuaNumber);
    for (std::size_t entry = 0; entry < reading.entries.size(); ++entry) {
        if (const std::optional<std::string_view> text = reading.entries[entry])
            m_platform.setText(kForm1, kReadingLabels[entry], *text);
    }
    m_platform.announce(SpokenReading([this](std::string_view label) { return m_platform.text(kForm1, label); }));
}

void Program::reset()
{
    m_platform.setText(kForm1, kYearBox, "");
    m_platform.setText(kForm1, kSexBox, kSexPrompt);
    for (const Control& caption : kForm1.controls) {
        if (CaptionsAValue(kForm1, caption))
            m_platform.setText(kForm1, caption.traits.names, "");
    }
    m_platform.setText(kForm1, kTipLabel, kDefaultTip);
    m_platform.moveFocus(kForm1, kYearBox);
}

// About's O&kay puts the focus in the year box, but never brings back a closed window.
void Program::returnToYearBox(const WindowDescription& dialog)
{
    if (isOpen(kForm1)) {
        m_platform.moveFocus(kForm1, kYearBox);
        m_platform.activate(kForm1);
    }
    m_platform.close(dialog);
}

void Program::openOnce(const WindowDescription& dialog)
{
    if (isOpen(dialog))
        return;
    m_open.push_back(&dialog);
    m_platform.open(dialog, isOpen(kForm1) ? &kForm1 : nullptr);
}

} // namespace morvane::forms
