#include "description_json.h"

#include "access_key.h"
#include "catalogue.h"
#include "help_page.h"
#include "page_texts.h"
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

std::string Css(Rgb rgb)
{
    char css[8];
    std::snprintf(css, sizeof css, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return css;
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
    Object& colour(std::string_view name, Rgb rgb) { return text(name, Css(rgb)); }
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

std::string_view KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::Frame:
        return "frame";
    case ControlKind::TextBox:
        return "textBox";
    case ControlKind::ComboBox:
        return "comboBox";
    case ControlKind::Button:
        return "button";
    case ControlKind::Banner:
        return "banner";
    case ControlKind::Link:
        return "link";
    case ControlKind::Canvas:
        return "canvas";
    case ControlKind::List:
        return "list";
    case ControlKind::Option:
        return "option";
    }
    return {};
}

// A button's caption as shown, around the character its access key marks: before, that
// character, after.
std::string CaptionJson(std::string_view caption, const AccessKey& key)
{
    const std::string shown = ShownCaption(caption);
    const std::size_t marked = key.key ? 1 : 0;
    return Array(std::to_array({shown.substr(0, key.at), shown.substr(key.at, marked), shown.substr(key.at + marked)}),
                 Quoted);
}

std::string ControlJson(const WindowDescription& window, const Control& control)
{
    const ControlTraits& traits = control.traits;
    const PixelRect place = TwipsToPixels(PlaceInWindow(window, control));
    Object json;
    if (control.kind == ControlKind::Button || control.kind == ControlKind::Option) {
        const AccessKey key = AccessKeyOf(control.text);
        json.json("caption", CaptionJson(control.text, key)).text("accessKey", {&key.key, key.key ? 1U : 0U});
    }
    return json
        .text("kind", KindName(control.kind))
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
        .flag("chosen", traits.chosen)
        .done();
}

// A menu item: its caption around its access key, and its shortcut as shown and as keys.
std::string MenuItemJson(const MenuItem& item)
{
    const AccessKey key = AccessKeyOf(item.text);
    return Object()
        .json("caption", CaptionJson(item.text, key))
        .text("shortcut", ShortcutText(item.shortcut))
        .number("function", item.shortcut.function)
        .text("letter", {&item.shortcut.letter, item.shortcut.letter ? 1U : 0U})
        .done();
}

// The palette's colours by the number of the role they are for, "none" for none.
std::string PaletteJson(const Palette& palette)
{
    std::vector<std::string> colours{"none"};
    for (auto ink = Ink::Ground; ink <= Ink::Text; ink = static_cast<Ink>(static_cast<int>(ink) + 1))
        colours.push_back(Css(palette[ink]));
    return Array(colours, Quoted);
}

std::string WindowJson(const WindowDescription& window)
{
    return Object()
        .text("name", window.name)
        .text("title", window.title)
        .number("width", TwipsToPixels(window.width))
        .number("height", TwipsToPixels(window.height))
        .flag("main", window.kind == WindowKind::Main)
        .flag("beside", window.placement == Placement::Beside)
        .text("spokenName", window.spokenName)
        .json("menu", Array(window.menu, MenuItemJson))
        .json("controls", Array(window.controls, [&window](const Control& control) { return ControlJson(window, control); }))
        .done();
}

// The program's windows and the page's texts in one language.
std::string LanguageJson(const LanguageName& name)
{
    const Localized localized(name.language);
    Object texts;
    for (const morvane::web::PageText& text : morvane::web::kPageTexts)
        texts.text(text.name, WithReleaseFacts(Translate(text.english, name.language)));
    return Object()
        .text("tag", name.tag)
        .text("own", name.own)
        .json("faces", Array(name.faces, Quoted))
        .text("help", HelpPageName(name.language))
        .json("texts", texts.done())
        .json("windows", Array(kWindows, [&](const WindowDescription* window) { return WindowJson(localized.window(*window)); }))
        .done();
}

} // namespace

std::string DescriptionJson()
{
    Object tags;
    for (const auto& [tag, language] : kLanguageTags)
        tags.text(tag, NameOf(language).tag);
    return Object()
        .text("typeface", kTypeface)
        .colour("ground", kWhite)
        .json("palette", PaletteJson(kScreenPalette))
        .json("paper", PaletteJson(kPaperPalette))
        .json("tags", tags.done())
        .json("languages", Array(kLanguages, LanguageJson))
        .done();
}
