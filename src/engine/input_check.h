#pragma once

#include <string_view>
#include <variant>

namespace morvane {

// The two raw inputs of a reading, as the window holds them.
struct BirthInput {
    std::string_view yearText;
    std::string_view sexText;
};

// The sex box's text until a sex is picked or typed; not a sex.
inline constexpr std::string_view kSexPrompt = "Select";

inline constexpr std::string_view kEmptyYearMessage =
    "Please enter last two digits of your birth year. For example, enter 81 if birth year is 1981, enter 00 if 2000.";
inline constexpr std::string_view kBadYearMessage =
    "Please enter digits only, ranging from 00 to 99. No alphbatic characters.";
inline constexpr std::string_view kNoSexMessage = "Please select your sex either male or female.";

enum class InputBox { Year, Sex };

// A rejected input: the message to show, the box to put the focus in, and whether the
// year box is emptied.
struct InputFailure {
    std::string_view message;
    InputBox focus;
    bool clearsYear;

    bool operator==(const InputFailure&) const = default;
};

// Runs the checks in the order empty year, year not a number or above 99, sex still
// the prompt. On success yields the year value.
std::variant<InputFailure, double> CheckInput(const BirthInput& input, std::string_view decimalSeparator) noexcept;

} // namespace morvane
