#include "front_end.h"

#include "help_page.h"

#include <algorithm>
#include <cctype>

using namespace morvane::forms;

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;

bool IsControl(const WindowDescription& window, std::string_view control, ControlKind kind)
{
    return HasControl(window, control) && ControlNamed(window, control).kind == kind;
}

// The button of the window whose caption marks this access key with "&".
std::string_view ButtonFor(const WindowDescription& window, char key)
{
    for (const Control& control : window.controls) {
        const std::size_t mark = control.text.find('&');
        if (control.kind == ControlKind::Button && mark + 1 < control.text.size()
            && std::toupper(static_cast<unsigned char>(control.text[mark + 1])) == key)
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

FrontEnd::FrontEnd(std::filesystem::path pages)
    : m_pages(std::move(pages))
{
    m_program.start();
}

void FrontEnd::click(const WindowDescription& window, std::string_view control)
{
    if (!find(window) || !HasControl(window, control))
        return;
    activateWindow(window); // a click makes its window the active one first
    const ControlKind kind = ControlNamed(window, control).kind;
    if (TakesFocus(kind))
        find(window)->focus = control;
    if (kind == ControlKind::Button || kind == ControlKind::Link)
        m_program.pressed(window, control);
}

void FrontEnd::press(std::string_view key)
{
    if (!m_active)
        return;
    const WindowDescription& window = *m_active;
    const std::string_view focused = focus();
    if (key.starts_with("Alt+") && key.size() == 5) {
        if (const std::string_view button = ButtonFor(window, key.back()); !button.empty())
            m_program.pressed(window, button);
    } else if (key == "Tab" || key == "Shift+Tab") {
        tab(key == "Tab" ? 1 : -1);
    } else if ((key == "Return" || key == "Enter" || key == "Space") && IsControl(window, focused, ControlKind::Button)) {
        m_program.pressed(window, focused);
    } else if (key == "Down" && IsControl(window, focused, ControlKind::ComboBox)) {
        const auto items = ControlNamed(window, focused).traits.items;
        const auto current = std::ranges::find(items, *focusedText());
        *focusedText() = current == items.end() ? items.front() : *std::min(current + 1, items.end() - 1);
    }
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
    find(*m_active)->focus = order[static_cast<std::size_t>((at + step + size) % size)];
}

void FrontEnd::type(std::string_view text)
{
    std::string* shown = focusedText();
    if (!shown)
        return;
    *shown = CutTo(*shown + std::string(text), ControlNamed(*m_active, focus()).traits.maxLength);
}

void FrontEnd::erase()
{
    if (std::string* shown = focusedText())
        shown->clear();
}

void FrontEnd::closeWindow(const WindowDescription& window)
{
    if (!find(window))
        return;
    std::erase_if(m_windows, [&](const Window& open) { return open.description == &window; });
    if (m_active == &window)
        m_active = nullptr;
    m_program.closed(window);
}

void FrontEnd::activateWindow(const WindowDescription& window)
{
    if (!find(window) || m_active == &window)
        return;
    m_active = &window;
    m_program.activated(window);
}

void FrontEnd::leave()
{
    m_active = nullptr;
    activateWindow(kForm1);
}

void FrontEnd::moveWindow(const WindowDescription& window, int left, int top)
{
    if (Window* open = find(window)) {
        open->left = left;
        open->top = top;
    }
}

bool FrontEnd::isOpen(const WindowDescription& window) const
{
    return find(window) != nullptr;
}

std::string FrontEnd::text(const WindowDescription& window, std::string_view control) const
{
    const Window* open = find(window);
    return open && open->texts.contains(control) ? open->texts.at(control) : std::string();
}

std::string_view FrontEnd::focus() const
{
    return m_active ? find(*m_active)->focus : std::string_view();
}

std::pair<int, int> FrontEnd::centre(const WindowDescription* window) const
{
    const Window* open = window ? find(*window) : nullptr;
    if (!open)
        return {kScreenWidth / 2, kScreenHeight / 2};
    return {open->left + TwipsToPixels(window->width) / 2, open->top + TwipsToPixels(window->height) / 2};
}

void FrontEnd::open(const WindowDescription& window, const WindowDescription* around)
{
    if (find(window)) {
        m_faults.push_back("opened " + std::string(window.name) + " twice");
        return;
    }
    const auto [x, y] = centre(around);
    Window made{&window, x - TwipsToPixels(window.width) / 2, y - TwipsToPixels(window.height) / 2, {}, {}};
    for (const Control& control : window.controls) {
        made.texts.emplace(control.name, control.text);
        if (made.focus.empty() && TakesFocus(control.kind))
            made.focus = control.name;
    }
    m_windows.push_back(std::move(made));
}

void FrontEnd::activate(const WindowDescription& window)
{
    if (openOrFault(window, "activated"))
        activateWindow(window);
}

void FrontEnd::close(const WindowDescription& window)
{
    if (openOrFault(window, "closed"))
        closeWindow(window);
}

void FrontEnd::setText(const WindowDescription& window, std::string_view control, std::string_view text)
{
    if (Window* open = openOrFault(window, "wrote in"))
        open->texts.at(control) = text;
}

void FrontEnd::moveFocus(const WindowDescription& window, std::string_view control)
{
    Window* open = openOrFault(window, "moved the focus in");
    if (open && TakesFocus(ControlNamed(window, control).kind))
        open->focus = control;
    else if (open)
        m_faults.push_back("moved the focus to " + std::string(control) + ", which takes none");
}

void FrontEnd::openAddress(std::string_view address)
{
    m_opened.emplace_back(address);
}

void FrontEnd::openPage(std::string_view fileName)
{
    const auto isFile = [](const std::filesystem::path& path) { return std::filesystem::is_regular_file(path); };
    m_opened.push_back(HelpPage(std::filesystem::current_path() / fileName, m_pages / fileName, isFile).string());
}

void FrontEnd::announce(std::string_view text)
{
    m_spoken.emplace_back(text);
}

void FrontEnd::quit()
{
    if (!m_windows.empty())
        m_faults.push_back("ended with " + std::string(m_windows.front().description->name) + " open");
    m_ended = true;
}

FrontEnd::Window* FrontEnd::find(const WindowDescription& window)
{
    const auto open = std::ranges::find(m_windows, &window, &Window::description);
    return open == m_windows.end() ? nullptr : &*open;
}

const FrontEnd::Window* FrontEnd::find(const WindowDescription& window) const
{
    const auto open = std::ranges::find(m_windows, &window, &Window::description);
    return open == m_windows.end() ? nullptr : &*open;
}

FrontEnd::Window* FrontEnd::openOrFault(const WindowDescription& window, std::string_view call)
{
    Window* open = find(window);
    if (!open)
        m_faults.push_back(std::string(call) + " " + std::string(window.name) + ", which is not open");
    return open;
}

std::string* FrontEnd::focusedText()
{
    if (!m_active)
        return nullptr;
    Window* window = find(*m_active);
    const bool isInput = IsControl(*m_active, window->focus, ControlKind::TextBox)
        || IsControl(*m_active, window->focus, ControlKind::ComboBox);
    return isInput ? &window->texts.at(window->focus) : nullptr;
}
