#include "description_json.h"

#include "program.h"

#include <cstdio>

using namespace morvane::forms;

namespace {

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        char escaped[8] = {c, '\0'};
        if (c == '"' || c == '\\')
            std::snprintf(escaped, sizeof escaped, "\\%c", c);
        else if (static_cast<unsigned char>(c) < 0x20)
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
        quoted += escaped;
    }
    return quoted + '"';
}

// A JSON object, written member by member.
class Object {
public:
    Object& json(std::string_view name, const std::string& value)
    {
        m_text += (m_text.size() > 1 ? "," : "") + Quoted(name) + ':' + value;
        return *this;
    }
    Object& text(std::string_view name, std::string_view value) { return json(name, Quoted(value)); }
    Object& number(std::string_view name, double value) { return json(name, Number(value)); }
    Object& flag(std::string_view name, bool value) { return json(name, value ? "true" : "false"); }
    Object& colour(std::string_view name, Rgb rgb)
    {
        char css[8];
        std::snprintf(css, sizeof css, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
        return text(name, css);
    }
    std::string done() const { return m_text + '}'; }

    static std::string Number(double value)
    {
        char written[32];
        std::snprintf(written, sizeof written, "%g", value);
        return written;
    }

private:
    std::string m_text = "{";
};

template <typename Range, typename Write>
std::string Array(const Range& range, Write write)
{
    std::string array;
    for (const auto& element : range)
        array += (array.empty() ? "[" : ",") + write(element);
    return array.empty() ? "[]" : array + ']';
}

std::string ControlJson(const WindowDescription& window, const Control& control)
{
    constexpr std::string_view kKinds[] = {"label", "frame", "textBox", "comboBox", "button", "banner", "link"};
    const ControlTraits& traits = control.traits;
    const PixelRect place = TwipsToPixels(PlaceInWindow(window, control));
    return Object()
        .text("kind", kKinds[static_cast<std::size_t>(control.kind)])
        .text("name", control.name)
        .text("text", control.text)
        .json("place", Array(std::to_array({place.left, place.top, place.width, place.height}), Object::Number))
        .text("container", traits.container)
        .text("names", traits.names)
        .json("items", Array(traits.items, Quoted))
        .number("maxLength", traits.maxLength)
        .number("fontPixels", PointsToPixels(traits.font.points))
        .flag("bold", traits.font.bold)
        .flag("italic", traits.font.italic)
        .colour("ink", traits.ink)
        .colour("face", traits.face)
        .text("picture", traits.picture.name)
        .number("pictureWidth", traits.picture.width)
        .number("pictureHeight", traits.picture.height)
        .text("tip", traits.tip)
        .text("spokenName", traits.spokenName)
        .text("spokenDescription", traits.spokenDescription)
        .done();
}

std::string WindowJson(const WindowDescription* window)
{
    return Object()
        .text("name", window->name)
        .text("title", window->title)
        .number("width", TwipsToPixels(window->width))
        .number("height", TwipsToPixels(window->height))
        .flag("main", window->kind == WindowKind::Main)
        .text("spokenName", window->spokenName)
        .json("controls", Array(window->controls, [window](const Control& control) { return ControlJson(*window, control); }))
        .done();
}

} // namespace

std::string DescriptionJson()
{
    return Object()
        .text("typeface", kTypeface)
        .colour("ground", kWhite)
        .json("windows", Array(kWindows, WindowJson))
        .done();
}
