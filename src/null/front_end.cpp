#include "front_end.h"

#include "access_key.h"
#include "help_page.h"

#include <algorithm>

using namespace morvane::forms;

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;

bool IsControl(const WindowDescription& window, std::string_view control, ControlKind kind)
{
    return HasControl(window, control) && ControlNamed(window, control).kind == kind;
}

// The button of the window whose caption marks this access key.
std::string_view ButtonFor(const WindowDescription& window, char key)
{
    for (const Control& control : window.controls) {
        if (control.kind == ControlKind::Button && AccessKeyOf(control.text).key == UpperCase(key))
            return control.name;
    }
    return {};
}

// The text cut to `limit` characters, code points of UTF-8; 0 keeps it whole.
std::string CutTo(const std::string& text, int limit)
{
    int characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if ((text[at] & 0xC0) != 0x80 && characters++ == limit && limit > 0)
            return text.substr(0, at);
    }
    return text;
}

} // namespace

// A window as plain data: every control's text, its place and its focused control.
class FrontEnd::Window final : public ShownWindow {
public:
    Window(FrontEnd& frontEnd, const WindowDescription& of, std::pair<int, int> centre)
        : description(of)
        , left(centre.first - TwipsToPixels(of.width) / 2)
        , top(centre.second - TwipsToPixels(of.height) / 2)
        , m_frontEnd(frontEnd)
    {
        for (const Control& control : of.controls) {
            texts.emplace(control.name, control.text);
            if (focus.empty() && TakesFocus(control.kind))
                focusOn(control.name, false);
        }
    }

    std::string text(std::string_view control) const override
    {
        return usable("read") ? texts.at(control) : std::string();
    }

    void setText(std::string_view control, std::string_view text) override
    {
        if (usable("wrote in"))
            texts.at(control) = text;
    }

    void setDrawing(std::string_view control, const Drawing& drawing) override
    {
        if (!usable("drew in"))
            return;
        if (IsControl(description, control, ControlKind::Canvas))
            drawings[ControlNamed(description, control).name] = drawing;
        else
            m_frontEnd.m_faults.push_back("drew in " + std::string(control) + ", which is no drawing");
    }

    void moveFocus(std::string_view control) override
    {
        if (!usable("moved the focus in"))
            return;
        if (TakesFocus(ControlNamed(description, control).kind))
            focusOn(control, false);
        else
            m_frontEnd.m_faults.push_back("moved the focus to " + std::string(control) + ", which takes none");
    }

    void activate() override
    {
        if (!usable("activated"))
            return;
        shown = true;
        m_frontEnd.activateWindow(description);
    }

    void close() override
    {
        if (usable("closed"))
            m_frontEnd.closeWindow(description);
    }

    // As a window system does it: an input reached by Tab has all its text selected, so
    // that typing replaces it; a click or the program's own move puts the caret at its end.
    void focusOn(std::string_view control, bool selectingAll)
    {
        focus = ControlNamed(description, control).name; // the description's, which outlives the caller's
        selected = selectingAll;
    }

    const WindowDescription& description;
    int left;
    int top;
    bool shown = false;
    bool closed = false;
    std::map<std::string_view, std::string> texts; // every control's
    std::map<std::string_view, Drawing> drawings;
    std::string_view focus;
    bool selected = false; // all of the focused input's text

private:
    bool usable(std::string_view call) const
    {
        if (closed)
            m_frontEnd.m_faults.push_back(std::string(call) + " " + std::string(description.name) + " after it closed");
        return !closed;
    }

    FrontEnd& m_frontEnd;
};

FrontEnd::FrontEnd(std::filesystem::path pages, Language language)
    : m_pages(std::move(pages))
    , m_program(*this, language)
{
    m_program.start();
}

FrontEnd::~FrontEnd() = default;

void FrontEnd::click(const WindowDescription& window, std::string_view control)
{
    if (!shown(window) || !HasControl(window, control))
        return;
    activateWindow(window); // a click makes its window the active one first
    const Control& clicked = ControlNamed(window, control);
    if (TakesFocus(clicked.kind))
        shown(window)->focusOn(clicked.name, false);
    if (clicked.kind == ControlKind::Button || clicked.kind == ControlKind::Link || clicked.kind == ControlKind::Option)
        m_program.pressed(window, clicked.name);
}

void FrontEnd::rightClick(const WindowDescription& window, std::string_view control)
{
    if (!shown(window) || !HasControl(window, control))
        return;
    activateWindow(window);
    openMenu(window, control);
}

void FrontEnd::openMenu(const WindowDescription& window, std::string_view control)
{
    const bool hasItsOwn = IsControl(window, control, ControlKind::TextBox) || IsControl(window, control, ControlKind::ComboBox);
    m_menu = hasItsOwn || window.menu.empty() ? nullptr : &window;
}

void FrontEnd::chooseMenuItem(std::size_t item)
{
    const WindowDescription* window = std::exchange(m_menu, nullptr);
    if (window && shown(*window) && item < window->menu.size())
        m_program.commanded(*window, window->menu[item].command);
}

void FrontEnd::pressShortcut(const Shortcut& shortcut)
{
    if (!m_active)
        return;
    const auto item = std::ranges::find(m_active->menu, shortcut, &MenuItem::shortcut);
    if (item != m_active->menu.end())
        m_program.commanded(*m_active, item->command);
}

void FrontEnd::press(Key key)
{
    if (!m_active)
        return;
    const WindowDescription& window = *m_active;
    const std::string_view focused = focus();
    if (key == Key::Tab || key == Key::BackTab) {
        tab(key == Key::Tab ? 1 : -1);
    } else if ((key == Key::Enter || key == Key::Space) && IsControl(window, focused, ControlKind::Button)) {
        m_program.pressed(window, focused);
    } else if (key == Key::Escape) {
        m_program.cancelled(window);
    } else if (key == Key::Menu) {
        openMenu(window, focused);
    } else if ((key == Key::Down || key == Key::Up) && IsControl(window, focused, ControlKind::ComboBox)) {
        const auto items = ControlNamed(window, focused).traits.items;
        const auto at = std::ranges::find(items, *focusedText()) - items.begin();
        const auto last = static_cast<std::ptrdiff_t>(items.size()) - 1;
        *focusedText() = items[static_cast<std::size_t>(
            at > last ? 0 : std::clamp<std::ptrdiff_t>(at + (key == Key::Down ? 1 : -1), 0, last))];
    }
}

void FrontEnd::pressAlt(char letter)
{
    if (const std::string_view button = m_active ? ButtonFor(*m_active, letter) : std::string_view(); !button.empty())
        m_program.pressed(*m_active, button);
}

void FrontEnd::tab(int step)
{
    std::vector<std::string_view> order;
    for (const Control& control : m_active->controls) {
        if (TakesFocus(control.kind))
            order.push_back(control.name);
    }
    const auto at = std::ranges::find(order, focus()) - order.begin();
    const auto size = static_cast<std::ptrdiff_t>(order.size());
    shown(*m_active)->focusOn(order[static_cast<std::size_t>((at + step + size) % size)], true);
}

void FrontEnd::type(std::string_view text)
{
    std::string* shownText = focusedText();
    if (!shownText)
        return;
    if (std::exchange(shown(*m_active)->selected, false))
        shownText->clear();
    *shownText = CutTo(*shownText + std::string(text), ControlNamed(*m_active, focus()).traits.maxLength);
}

void FrontEnd::erase()
{
    if (std::string* shownText = focusedText())
        shownText->clear();
}

void FrontEnd::closeWindow(const WindowDescription& window)
{
    Window* open = made(window);
    if (!open)
        return;
    open->closed = true;
    if (m_active == &open->description)
        m_active = nullptr;
    m_program.closed(window);
}

void FrontEnd::activateWindow(const WindowDescription& window)
{
    const Window* open = shown(window);
    if (!open || m_active == &open->description)
        return;
    m_active = &open->description;
    m_program.activated(window);
}

void FrontEnd::leave()
{
    m_active = nullptr;
    activateWindow(kForm1);
}

void FrontEnd::moveWindow(const WindowDescription& window, int left, int top)
{
    if (Window* open = shown(window)) {
        open->left = left;
        open->top = top;
    }
}

std::string FrontEnd::text(const WindowDescription& window, std::string_view control) const
{
    const Window* open = shown(window);
    return open && open->texts.contains(control) ? open->texts.at(control) : std::string();
}

std::string_view FrontEnd::focus() const
{
    return m_active ? shown(*m_active)->focus : std::string_view();
}

std::pair<int, int> FrontEnd::centre(const WindowDescription* window) const
{
    const Window* open = window ? shown(*window) : nullptr;
    if (!open)
        return {kScreenWidth / 2, kScreenHeight / 2};
    return {open->left + TwipsToPixels(window->width) / 2, open->top + TwipsToPixels(window->height) / 2};
}

ShownWindow& FrontEnd::open(const WindowDescription& window, ShownWindow* around)
{
    if (made(window))
        m_faults.push_back("opened " + std::string(window.name) + " twice");
    const auto* centredOn = static_cast<Window*>(around);
    const bool onIt = centredOn && centredOn->shown && !centredOn->closed;
    m_windows.push_back(std::make_unique<Window>(*this, window, centre(onIt ? &centredOn->description : nullptr)));
    Window& made = *m_windows.back();
    if (onIt && window.placement == Placement::Beside) {
        const auto& [width, height] = std::pair(TwipsToPixels(window.width), TwipsToPixels(window.height));
        const PixelRect place = PlaceBeside({centredOn->left, centredOn->top, TwipsToPixels(centredOn->description.width),
                                             TwipsToPixels(centredOn->description.height)},
                                            width, height, {0, 0, kScreenWidth, kScreenHeight});
        made.left = place.left;
        made.top = place.top;
    }
    return made;
}

void FrontEnd::openPage(std::string_view fileName)
{
    const auto isFile = [](const std::filesystem::path& path) { return std::filesystem::is_regular_file(path); };
    m_opened.push_back(HelpPage(std::filesystem::current_path() / fileName, m_pages / fileName, isFile).string());
}

void FrontEnd::print(const std::function<Drawing(double width, double height)>& sheet)
{
    m_printed = sheet(kA4Width, kA4Height);
}

void FrontEnd::quit()
{
    for (const auto& window : m_windows) {
        if (!window->closed)
            m_faults.push_back("ended with " + std::string(window->description.name) + " open");
    }
    m_ended = true;
}

FrontEnd::Window* FrontEnd::made(const WindowDescription& window) const
{
    const auto open = std::ranges::find_if(
        m_windows, [&](const auto& made) { return made->description.name == window.name && !made->closed; });
    return open == m_windows.end() ? nullptr : open->get();
}

FrontEnd::Window* FrontEnd::shown(const WindowDescription& window) const
{
    Window* open = made(window);
    return open && open->shown ? open : nullptr;
}

std::string* FrontEnd::focusedText()
{
    Window* window = m_active ? shown(*m_active) : nullptr;
    const bool isInput = window
        && (IsControl(*m_active, window->focus, ControlKind::TextBox)
            || IsControl(*m_active, window->focus, ControlKind::ComboBox));
    return isInput ? &window->texts.at(window->focus) : nullptr;
}
