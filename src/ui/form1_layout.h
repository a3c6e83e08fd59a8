#pragma once

#include "maker.h"

#include <array>

// Where every label of the main window stands, in twips inside its container, and the
// fixed caption it starts with (value labels start empty).
enum class LabelContainer { Window, GoodDirections, BadDirections, Tips };

struct LabelLayout {
    int number; // the label is named "Label<number>"
    const char* caption;
    int left;
    int top;
    int width;
    int height;
    LabelContainer container = LabelContainer::Window;
};

// The three frames, in the order a person reads them, and where each stands in the window.
struct FrameLayout {
    LabelContainer container;
    const char* name;
    const char* caption;
    int left;
    int top;
    int width;
    int height;
};

// clang-format off
inline constexpr std::array<FrameLayout, 3> kFrameLayouts{{
    {LabelContainer::GoodDirections, "Frame2", "Good Directions", 4080, 1800, 3015, 1815},
    {LabelContainer::BadDirections,  "Frame1", "Bad Directions",  4080, 3600, 3015, 1815},
    {LabelContainer::Tips,           "Frame3", "Tips",             120, 5400, 6975,  975},
}};

inline constexpr std::array<LabelLayout, 40> kLabelLayouts{{
    // Inputs
    { 1, "Enter last two digits of your birth year :", 120,  840, 3375, 255},
    { 2, "Select your sex :",                          120, 1200, 1575, 255},

    // General results: caption, then value
    { 3, "Kua number :",     120, 1680, 1215, 255}, {18, "", 1560, 1560,  495, 375},
    { 4, "Group :",          120, 2040,  735, 255}, {19, "", 1440, 2040, 1095, 255},
    { 5, "Element :",        120, 2400,  855, 255}, {20, "", 1440, 2400, 1215, 255},
    { 6, "Sheng Ch'i :",     120, 2760, 1335, 255}, {21, "", 1440, 2760, 1455, 255},
    { 7, "Best season :",    120, 3120, 1335, 255}, {22, "", 1440, 3120, 1215, 255},
    { 8, "Chinese year :",   120, 3480, 1335, 255}, {23, "", 1440, 3480, 1335, 255},
    // Lucky color is as wide as its neighbours, so that " White, silver, gold" fits.
    { 9, "Lucky color :",    120, 3840, 1215, 255}, {24, "", 1440, 3840, 2295, 255},
    {33, "Lucky object :",   120, 4200, 1335, 255}, {34, "", 1440, 4200, 2295, 255},
    {35, "Lucky for/in :",   120, 4560, 1215, 255}, {36, "", 1440, 4560, 1335, 255},
    {37, "Best partners :",  120, 4920, 1335, 255}, {38, "", 1440, 4920, 2295, 255},

    // Good Directions
    {10, "Health :",         120,  360,  735, 255, LabelContainer::GoodDirections},
    {25, "",                1680,  360, 1215, 255, LabelContainer::GoodDirections},
    {11, "Romance/Love :",   120,  720, 1575, 255, LabelContainer::GoodDirections},
    {26, "",                1680,  720, 1215, 255, LabelContainer::GoodDirections},
    {12, "Mentors/Career :", 120, 1080, 1575, 255, LabelContainer::GoodDirections},
    {27, "",                1680, 1080, 1215, 255, LabelContainer::GoodDirections},
    {13, "Success :",        120, 1440,  975, 255, LabelContainer::GoodDirections},
    {28, "",                1680, 1440, 1215, 255, LabelContainer::GoodDirections},

    // Bad Directions
    {14, "Total Loss :",     120,  360, 1095, 255, LabelContainer::BadDirections},
    {29, "",                1440,  360, 1455, 255, LabelContainer::BadDirections},
    {15, "6 Killings :",     120,  720, 1095, 255, LabelContainer::BadDirections},
    {30, "",                1440,  720, 1455, 255, LabelContainer::BadDirections},
    {16, "5 Ghosts",         120, 1080, 1095, 255, LabelContainer::BadDirections},
    {31, "",                1440, 1080, 1455, 255, LabelContainer::BadDirections},
    {17, "Unlucky :",        120, 1440,  975, 255, LabelContainer::BadDirections},
    {32, "",                1440, 1440, 1455, 255, LabelContainer::BadDirections},

    // The tip, two lines high, and the web link
    {39, "",                 120,  360, 6735, 495, LabelContainer::Tips},
    {40, kMakerWebAddress,  3480, 6360, 3615, 255},
}};

// The value labels a reading writes after the Kua number (Label18), in the engine's entry order.
inline constexpr std::array<int, 18> kReadingLabels{
    19, 20, 21, 22, 23, 38, 24, 34, 36, 25, 26, 27, 28, 29, 30, 31, 32, 39};

// The value labels Reset empties, in its order.
inline constexpr std::array<int, 18> kResetLabels{
    18, 19, 20, 21, 22, 23, 24, 34, 36, 38, 25, 26, 27, 28, 29, 30, 31, 32};

// Each value label and the caption label beside it, which names it for screen readers.
struct CaptionedValue {
    int caption;
    int value;
};
inline constexpr std::array<CaptionedValue, 18> kCaptionedValues{{
    { 3, 18}, { 4, 19}, { 5, 20}, { 6, 21}, { 7, 22}, { 8, 23}, { 9, 24}, {33, 34}, {35, 36}, {37, 38},
    {10, 25}, {11, 26}, {12, 27}, {13, 28}, {14, 29}, {15, 30}, {16, 31}, {17, 32},
}};
// clang-format on

inline constexpr int kElementLabel = 20;
inline constexpr int kKuaNumberLabel = 18;
inline constexpr int kTipLabel = 39;
inline constexpr int kWebLinkLabel = 40;

inline constexpr char kDefaultTip[] = " Never put water, plants or things representing them in your bed-room.";
