// The window scripts' player for the page, built for WebAssembly: each primitive is a
// request to the agent that carries it out in Chromium (window_scripts_web_test.mjs),
// through the module's one import. Plays every script on the page opened afresh.
#include "script_player.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

extern "C" __attribute__((import_module("agent"), import_name("call"))) std::size_t
AgentCall(const char* request, std::size_t length, char* answer, std::size_t capacity);

namespace {

constexpr char kSeparator = '\x1f'; // between a request's name and its arguments, and a list's items

std::vector<std::string> Items(std::string_view list)
{
    std::vector<std::string> items;
    while (!list.empty()) {
        const std::size_t end = list.find(kSeparator);
        items.emplace_back(list.substr(0, end));
        list.remove_prefix(end == std::string_view::npos ? list.size() : end + 1);
    }
    return items;
}

// Puppeteer's name of the key.
std::string KeyName(const Key& key)
{
    constexpr std::pair<Key::Name, std::string_view> kKeys[] = {
        {Key::Tab, "Tab"},     {Key::Enter, "Enter"},    {Key::Escape, "Escape"},
        {Key::Space, "Space"}, {Key::Down, "ArrowDown"}, {Key::Menu, "ContextMenu"}};
    const auto named = std::ranges::find(kKeys, key.name, &std::pair<Key::Name, std::string_view>::first);
    if (named != std::end(kKeys))
        return std::string(named->second);
    if (key.name == Key::Function)
        return "F" + std::to_string(key.function);
    return std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(key.character))));
}

class PageDriver : public FrontEndDriver {
public:
    // The page in a browser set to the language.
    explicit PageDriver(morvane::forms::Language language) { call({"openPage", NameOf(language).tag}); }
    ~PageDriver() override { call({"closePage"}); }

    void click(std::string_view window, std::string_view control) override { call({"click", window, control}); }
    void rightClick(std::string_view window, std::string_view control) override
    {
        call({"rightClick", window, control});
    }
    void chooseMenuItem(std::size_t item) override { call({"chooseMenuItem", std::to_string(item)}); }
    void press(const Key& key) override
    {
        std::vector<std::string_view> request{"press"};
        if (key.ctrl)
            request.push_back("Control");
        if (key.alt)
            request.push_back("Alt");
        if (key.shift)
            request.push_back("Shift");
        const std::string name = KeyName(key);
        request.push_back(name);
        call(request);
    }
    void type(std::string_view text) override { call({"type", text}); }
    void paste(std::string_view text) override { call({"paste", text}); }
    void erase() override { call({"erase"}); }
    void close(std::string_view window) override { call({"close", window}); }
    void activate(std::string_view window) override { call({"activate", window}); }
    void leaveAndReturn() override { call({"leaveAndReturn"}); }
    void moveToCorner(std::string_view window) override { call({"moveToCorner", window}); }

    std::string text(std::string_view window, std::string_view control) const override
    {
        return call({"text", window, control});
    }
    std::string focus() const override { return call({"focus"}); }
    std::string active() const override { return call({"active"}); }
    std::vector<ScreenPoint> centres(std::string_view window) const override
    {
        std::vector<ScreenPoint> centres;
        for (const std::string& centre : Items(call({"centres", window})))
            std::sscanf(centre.c_str(), "%d %d", &centres.emplace_back().x, &centres.back().y);
        return centres;
    }
    std::vector<std::string> takeOpened() override { return Items(call({"takeOpened"})); }
    std::vector<std::string> takeSpoken() override { return Items(call({"takeSpoken"})); }
    std::string clipboard() const override { return call({"clipboard"}); }
    bool exists(const std::string& page) const override { return call({"exists", page}) == "true"; }
    bool ended() const override { return call({"ended"}) == "true"; }
    std::string fault() const override { return call({"problem"}); }
    void settle() override { call({"settle"}); }

private:
    static std::string call(const std::vector<std::string_view>& request)
    {
        std::string joined;
        for (const std::string_view part : request)
            (joined += joined.empty() ? "" : std::string(1, kSeparator)) += part;
        static std::vector<char> answer(1 << 20);
        return {answer.data(), AgentCall(joined.data(), joined.size(), answer.data(), answer.size())};
    }
};

} // namespace

int main()
{
    return PlayEveryScript([](morvane::forms::Language language) { return std::make_unique<PageDriver>(language); })
        ? 1
        : 0;
}
