#include "input_check.h"

#include "number_text.h"

namespace morvane {

std::variant<InputFailure, double> CheckInput(const BirthInput& input, std::string_view decimalSeparator) noexcept
{
    if (input.yearText.empty())
        return InputFailure{kEmptyYearMessage, InputBox::Year, false};
    const std::optional<double> year = ReadNumber(input.yearText, decimalSeparator);
    if (!year || *year > 99.0)
        return InputFailure{kBadYearMessage, InputBox::Year, true};
    if (input.sexText == kSexPrompt)
        return InputFailure{kNoSexMessage, InputBox::Sex, false};
    return *year;
}

} // namespace morvane
