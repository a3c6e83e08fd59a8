#include "front_end.h"

#include "page.h"
#include "painter.h"

#include <algorithm>

using namespace morvane::forms;

namespace {

int IndexOf(const WindowDescription& window)
{
    return static_cast<int>(std::ranges::find(kWindows, window.name, &WindowDescription::name) - kWindows.begin());
}

// Text that the page copies into the module: asked for again with room enough where the
// first answer was longer than the room it had.
template <typename Ask>
std::string Fetched(Ask ask)
{
    std::string text(64, '\0');
    const std::size_t length = ask(text.data(), text.size());
    text.resize(length);
    if (length > 64)
        ask(text.data(), text.size());
    return text;
}

} // namespace

static_assert(kWindows.size() == 4);

FrontEnd::FrontEnd(Language language)
    : m_program(*this, language)
{
}

FrontEnd::Window::Window(int index)
    : m_index(index)
{
}

int FrontEnd::Window::control(std::string_view name) const
{
    const auto& controls = kWindows[static_cast<std::size_t>(m_index)]->controls;
    return static_cast<int>(std::ranges::find(controls, name, &Control::name) - controls.begin());
}

std::string FrontEnd::Window::text(std::string_view control) const
{
    return Fetched([&](char* buffer, std::size_t capacity) {
        return PageText(m_index, this->control(control), buffer, capacity);
    });
}

void FrontEnd::Window::setText(std::string_view control, std::string_view text)
{
    PageSetText(m_index, this->control(control), text.data(), text.size());
}

void FrontEnd::Window::setDrawing(std::string_view control, const Drawing& drawing)
{
    Paint(m_index, this->control(control), drawing);
}

void FrontEnd::Window::moveFocus(std::string_view control)
{
    PageMoveFocus(m_index, this->control(control));
}

void FrontEnd::Window::activate()
{
    PageActivate(m_index);
}

void FrontEnd::Window::close()
{
    PageClose(m_index);
}

ShownWindow& FrontEnd::open(const WindowDescription& window, ShownWindow* around)
{
    Window& made = m_windows[static_cast<std::size_t>(IndexOf(window))];
    const int beside = around ? static_cast<Window*>(around)->index() : -1;
    PageOpen(made.index(), beside);
    if (beside >= 0 && window.placement == Placement::Beside) {
        int aroundBox[4]{};
        int desktop[4]{};
        int own[4]{};
        PageBox(beside, aroundBox);
        PageDesktopBox(desktop);
        PageBox(made.index(), own);
        const PixelRect place = PlaceBeside({aroundBox[0], aroundBox[1], aroundBox[2], aroundBox[3]}, own[2], own[3],
                                            {desktop[0], desktop[1], desktop[2], desktop[3]});
        PageMove(made.index(), place.left, place.top);
    }
    return made;
}

void FrontEnd::openAddress(std::string_view address)
{
    PageOpenAddress(address.data(), address.size());
}

void FrontEnd::openPage(std::string_view fileName)
{
    PageOpenPage(fileName.data(), fileName.size());
}

void FrontEnd::announce(std::string_view text)
{
    PageAnnounce(text.data(), text.size());
}

std::string FrontEnd::decimalSeparator() const
{
    return Fetched(PageDecimalSeparator);
}

void FrontEnd::quit()
{
    PageQuit();
}

// The browser's print dialog; the browser asks for the sheet as it is about to print
// (drawSheet in main.cpp), for this Print as for its own.
void FrontEnd::print(const std::function<Drawing(double width, double height)>&)
{
    PagePrint();
}

void FrontEnd::copy(std::string_view text)
{
    PageCopy(text.data(), text.size());
}

std::string FrontEnd::today() const
{
    return Fetched(PageToday);
}
