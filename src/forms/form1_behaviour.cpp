#include "form1_behaviour.h"

#include "form1_description.h"
#include "reading.h"
#include "spoken_reading.h"

#include <variant>

namespace morvane::forms {

static_assert(kReadingLabels.size() == kReadingEntryCount);

Form1Behaviour::Form1Behaviour(Form1View& view)
    : m_view(view)
{
}

void Form1Behaviour::calculate()
{
    const std::string year = m_view.text(kYearBox);
    const std::string sex = m_view.text(kSexBox);
    const auto result = Calculate({year, sex}, m_view.text(kElementLabel), m_view.decimalSeparator());

    if (const auto* failure = std::get_if<InputFailure>(&result)) {
        if (failure->clearsYear)
            m_view.setText(kYearBox, "");
        m_view.moveFocus(failure->focus == InputBox::Year ? kYearBox : kSexBox);
        m_view.showMessage(failure->message);
        return;
    }

    const auto& reading = std::get<KuaReading>(result);
    m_view.setText(kKuaNumberLabel, reading.kuaNumber);
    for (std::size_t entry = 0; entry < reading.entries.size(); ++entry) {
        if (const std::optional<std::string_view> text = reading.entries[entry])
            m_view.setText(kReadingLabels[entry], *text);
    }
    m_view.announce(SpokenReading([this](std::string_view label) { return m_view.text(label); }));
}

void Form1Behaviour::reset()
{
    m_view.setText(kYearBox, "");
    m_view.setText(kSexBox, kSexPrompt);
    for (const std::string_view label : kResetLabels)
        m_view.setText(label, "");
    m_view.setText(kTipLabel, kDefaultTip);
    m_view.moveFocus(kYearBox);
}

void Form1Behaviour::windowActivated(bool isForm1)
{
    if (isForm1 && !m_form1WasActive)
        m_view.setText(kTipLabel, kDefaultTip);
    m_form1WasActive = isForm1;
}

} // namespace morvane::forms
