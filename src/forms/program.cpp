#include "program.h"

#include "element_table.h"
#include "help_page.h"
#include "spoken_reading.h"

#include <variant>

namespace morvane::forms {

Program::Program(Platform& platform, Language language)
    : m_platform(platform)
    , m_localized(language)
{
}

void Program::start()
{
    ShownWindow& form1 = *(m_open[kForm1.name] = &m_platform.open(m_localized.window(kForm1), nullptr));
    form1.moveFocus(kYearBox);
    form1.activate();
}

ShownWindow* Program::shown(const WindowDescription& window) const
{
    const auto open = m_open.find(window.name);
    return open == m_open.end() ? nullptr : open->second;
}

void Program::pressed(const WindowDescription& window, std::string_view control)
{
    commanded(window, ControlNamed(window, control).traits.command);
}

void Program::commanded(const WindowDescription& window, Command command)
{
    switch (command) {
    case Command::None:
        return;
    case Command::Calculate:
        return calculate();
    case Command::Reset:
        return reset();
    case Command::About:
        return openOnce(kAboutDialog).activate();
    case Command::Help:
        return m_platform.openPage(HelpPageName(m_localized.language()));
    case Command::WebSite:
        return m_platform.openAddress(kMakerWebAddress);
    case Command::Close:
        return shown(window)->close();
    case Command::ReturnToYearBox:
        return returnToYearBox(window);
    case Command::Compass:
        openCompass();
        return shown(kCompassWindow)->activate();
    case Command::NorthUp:
        return turnCompass(Orientation::NorthUp);
    case Command::SouthUp:
        return turnCompass(Orientation::SouthUp);
    case Command::Print: // the reading is the main window's, and goes with it
        if (shown(kForm1))
            m_platform.print([this](double width, double height) { return sheet(width, height); });
        return;
    case Command::Copy:
        if (shown(kForm1))
            m_platform.copy(readingText());
        return;
    }
}

// The two inputs, each its caption and what its box shows; none once the main window is closed.
std::vector<ReadingRow> Program::inputRows() const
{
    const ShownWindow* open = shown(kForm1);
    if (!open)
        return {};
    const WindowDescription& form1 = m_localized.window(kForm1);
    std::vector<ReadingRow> rows;
    for (const std::string_view box : {kYearBox, kSexBox})
        rows.push_back({{}, std::string(CaptionOf(form1, box)->text), " " + open->text(box)});
    return rows;
}

std::vector<ReadingRow> Program::readingRows() const
{
    const ShownWindow* form1 = shown(kForm1);
    if (!form1)
        return {};
    return ReadingRows(m_localized.window(kForm1), [form1](std::string_view label) { return form1->text(label); });
}

Drawing Program::sheet(double width, double height) const
{
    return ReadingSheet(readingRows(), {inputRows(), m_platform.today()},
                        CompassDrawing(m_shown, m_orientation, m_localized), width, height, m_localized);
}

std::string Program::readingText() const
{
    return ReadingText(inputRows(), readingRows());
}

void Program::activated(const WindowDescription& window)
{
    if (window.name == kForm1.name && m_lastActive != kForm1.name)
        shown(kForm1)->setText(kTipLabel, m_localized.text(kDefaultTip));
    m_lastActive = window.name;
}

void Program::closed(const WindowDescription& window)
{
    m_open.erase(window.name);
    if (ShownWindow* form1 = shown(kForm1))
        form1->activate();
    else if (m_open.empty())
        m_platform.quit();
}

void Program::calculate()
{
    ShownWindow& form1 = *shown(kForm1);
    // The sex and the element are read in English, the language of the engine's rules.
    const std::string year = form1.text(kYearBox);
    const std::string sexShown = form1.text(kSexBox);
    const std::string elementShown = form1.text(kElementLabel);
    const auto result = Calculate({year, m_localized.english(sexShown, kSexTexts)},
                                  m_localized.english(elementShown, kElements), m_platform.decimalSeparator());

    if (const auto* failure = std::get_if<InputFailure>(&result)) {
        if (failure->clearsYear)
            form1.setText(kYearBox, "");
        form1.moveFocus(failure->focus == InputBox::Year ? kYearBox : kSexBox);
        ShownWindow& message = openOnce(kMessageDialog);
        message.setText(kMessageLabel, m_localized.text(failure->message));
        message.activate();
        return;
    }

    const auto& reading = std::get<KuaReading>(result);
    for (const Control& label : kForm1.controls) {
        const auto text = label.traits.shows ? reading.at(*label.traits.shows) : std::nullopt;
        if (!text)
            continue;
        form1.setText(label.name, m_localized.text(*text, label.traits.context));
        m_shown[static_cast<std::size_t>(*label.traits.shows)] = *text;
    }
    updateCompass();
    m_platform.announce(SpokenReading(readingRows(), m_localized.text(kSentenceEnd)));
}

void Program::reset()
{
    ShownWindow& form1 = *shown(kForm1);
    form1.setText(kYearBox, "");
    form1.setText(kSexBox, m_localized.text(kSexPrompt));
    for (const Control& label : kForm1.controls) {
        if (label.traits.shows)
            form1.setText(label.name, label.name == kTipLabel ? m_localized.text(kDefaultTip) : "");
    }
    m_shown = {};
    updateCompass();
    form1.moveFocus(kYearBox);
}

// Opens the compass beside the main window, north at the top, unless it is open already.
void Program::openCompass()
{
    if (shown(kCompassWindow))
        return;
    m_orientation = Orientation::NorthUp;
    openOnce(kCompassWindow);
    updateCompass();
}

void Program::turnCompass(Orientation orientation)
{
    m_orientation = orientation;
    updateCompass();
}

void Program::updateCompass()
{
    ShownWindow* compass = shown(kCompassWindow);
    if (!compass)
        return;
    compass->setDrawing(kCompassPicture, CompassDrawing(m_shown, m_orientation, m_localized));
    std::string lines;
    for (const std::string& line : CompassLines(m_shown, m_localized))
        lines += (lines.empty() ? "" : "\n") + line;
    compass->setText(kCompassList, lines);
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
    return *(m_open[dialog.name] = &m_platform.open(m_localized.window(dialog), shown(kForm1)));
}

} // namespace morvane::forms
